// The program's side of portkit's C++ interface. The program does not link
// libportkit; each operation here resolves the library's extern "C" entry on
// its first call (PortkitLoader) and forwards to it. When the library cannot
// be loaded the operation gives the result of a closed port, no port or
// Cancel (no sort choice, no import), after the loader's message.

#include "app/portkit_loader.h"

// project
#include "platform/prompt.h"
#include "portkit/portkit.h"

// std
#include <cstdarg>
#include <string_view>
#include <vector>

namespace {

template <typename Fn>
Fn Bind(std::string_view name)
{
    return reinterpret_cast<Fn>(app::PortkitLoader::Instance().Entry(name));
}

int ForwardToPrompt(void* context, const char* text, const char* caption, int icon, int buttons, void* owner)
{
    auto* prompt = static_cast<platform::Prompt*>(context);
    const platform::Message message{text != nullptr ? text : "", caption != nullptr ? caption : "",
                                    static_cast<platform::Icon>(icon), static_cast<platform::Buttons>(buttons),
                                    owner};
    return static_cast<int>(prompt->Show(message));
}

} // namespace

// ---- serial port ------------------------------------------------------------------------

CSerial::CSerial() : port_(nullptr)
{
    if (auto* create = Bind<decltype(&portkit_serial_new)>("portkit_serial_new"))
        port_ = create();
}

CSerial::~CSerial()
{
    if (port_ == nullptr)
        return;
    if (auto* destroy = Bind<decltype(&portkit_serial_delete)>("portkit_serial_delete"))
        destroy(port_);
}

void CSerial::SetPortNum(int n)
{
    if (port_ == nullptr)
        return;
    if (auto* fn = Bind<decltype(&portkit_serial_set_port_num)>("portkit_serial_set_port_num"))
        fn(port_, n);
}

int CSerial::GetPortNum() const
{
    auto* fn = port_ != nullptr ? Bind<decltype(&portkit_serial_get_port_num)>("portkit_serial_get_port_num")
                                : nullptr;
    return fn != nullptr ? fn(port_) : 0;
}

bool CSerial::IsPortOpen() const
{
    auto* fn = port_ != nullptr ? Bind<decltype(&portkit_serial_is_open)>("portkit_serial_is_open") : nullptr;
    return fn != nullptr && fn(port_) != 0;
}

void* CSerial::GetOpenPortID() const
{
    auto* fn = port_ != nullptr ? Bind<decltype(&portkit_serial_open_port_id)>("portkit_serial_open_port_id")
                                : nullptr;
    return fn != nullptr ? fn(port_) : nullptr;
}

bool CSerial::OpenPort(void* owner, std::uint32_t baud, std::uint8_t parity, std::uint8_t dataBits,
                       std::uint8_t stopBits)
{
    auto* fn = port_ != nullptr ? Bind<decltype(&portkit_serial_open_with)>("portkit_serial_open_with") : nullptr;
    return fn != nullptr && fn(port_, owner, baud, parity, dataBits, stopBits) != 0;
}

bool CSerial::OpenPort(void* owner)
{
    auto* fn = port_ != nullptr ? Bind<decltype(&portkit_serial_open)>("portkit_serial_open") : nullptr;
    return fn != nullptr && fn(port_, owner) != 0;
}

void CSerial::ClosePort()
{
    if (port_ == nullptr)
        return;
    if (auto* fn = Bind<decltype(&portkit_serial_close)>("portkit_serial_close"))
        fn(port_);
}

int CSerial::ReadComm(void* buf, int n)
{
    auto* fn = port_ != nullptr ? Bind<decltype(&portkit_serial_read)>("portkit_serial_read") : nullptr;
    return fn != nullptr ? fn(port_, buf, n) : -PORTKIT_CE_IOE;
}

std::uint8_t CSerial::ReadCommByte()
{
    auto* fn = port_ != nullptr ? Bind<decltype(&portkit_serial_read_byte)>("portkit_serial_read_byte") : nullptr;
    return fn != nullptr ? fn(port_) : 0xFF;
}

int CSerial::WriteComm(const void* buf, int n)
{
    auto* fn = port_ != nullptr ? Bind<decltype(&portkit_serial_write)>("portkit_serial_write") : nullptr;
    return fn != nullptr ? fn(port_, buf, n) : 0;
}

int CSerial::WriteCommByte(std::uint8_t b)
{
    auto* fn = port_ != nullptr ? Bind<decltype(&portkit_serial_write_byte)>("portkit_serial_write_byte") : nullptr;
    return fn != nullptr ? fn(port_, b) : 0;
}

int CSerial::WriteCommBytes(const void* buf, int count, int delayMs)
{
    auto* fn =
        port_ != nullptr ? Bind<decltype(&portkit_serial_write_bytes)>("portkit_serial_write_bytes") : nullptr;
    return fn != nullptr ? fn(port_, buf, count, delayMs) : 0;
}

int CSerial::WriteCommBytesEx(const void* buf, int count, int delayMs)
{
    auto* fn = port_ != nullptr ? Bind<decltype(&portkit_serial_write_bytes_ex)>("portkit_serial_write_bytes_ex")
                                : nullptr;
    return fn != nullptr ? fn(port_, buf, count, delayMs) : 0;
}

void CSerial::PurgeComm()
{
    if (port_ == nullptr)
        return;
    if (auto* fn = Bind<decltype(&portkit_serial_purge)>("portkit_serial_purge"))
        fn(port_);
}

int CSerial::GetCommError()
{
    auto* fn = port_ != nullptr ? Bind<decltype(&portkit_serial_comm_error)>("portkit_serial_comm_error") : nullptr;
    return fn != nullptr ? fn(port_) : 0;
}

void CSerial::GetControlLines(int* cts, int* dsr)
{
    auto* fn =
        port_ != nullptr ? Bind<decltype(&portkit_serial_control_lines)>("portkit_serial_control_lines") : nullptr;
    if (fn != nullptr) {
        fn(port_, cts, dsr);
        return;
    }
    if (cts != nullptr)
        *cts = 0;
    if (dsr != nullptr)
        *dsr = 0;
}

int CSerial::FindComPorts(int n)
{
    auto* fn =
        port_ != nullptr ? Bind<decltype(&portkit_serial_find_com_ports)>("portkit_serial_find_com_ports") : nullptr;
    return fn != nullptr ? fn(port_, n) : PORTKIT_PORT_UNAVAILABLE;
}

int CSerial::GetDescriptor() const
{
    auto* fn = port_ != nullptr ? Bind<decltype(&portkit_serial_descriptor)>("portkit_serial_descriptor") : nullptr;
    return fn != nullptr ? fn(port_) : -1;
}

int CSerial::BytesAvailable()
{
    auto* fn = port_ != nullptr ? Bind<decltype(&portkit_serial_available)>("portkit_serial_available") : nullptr;
    return fn != nullptr ? fn(port_) : -1;
}

int CSerial::WaitComm(int timeoutMs)
{
    auto* fn = port_ != nullptr ? Bind<decltype(&portkit_serial_wait)>("portkit_serial_wait") : nullptr;
    return fn != nullptr ? fn(port_, timeoutMs) : -PORTKIT_CE_IOE;
}

int CSerial::DrainComm()
{
    auto* fn = port_ != nullptr ? Bind<decltype(&portkit_serial_drain)>("portkit_serial_drain") : nullptr;
    return fn != nullptr ? fn(port_) : 0;
}

// ---- com port setup ---------------------------------------------------------------------

int SetupPort(const char* keyPath, void* parent)
{
    auto* fn = Bind<decltype(&portkit_setup_port)>("portkit_setup_port");
    return fn != nullptr ? fn(keyPath, parent) : -1;
}

int GetRegComPort(const char* keyPath)
{
    auto* fn = Bind<decltype(&portkit_get_reg_com_port)>("portkit_get_reg_com_port");
    return fn != nullptr ? fn(keyPath) : 0;
}

// ---- sort dialog and import wizard ------------------------------------------------------

bool Sort(void* parent, SortOptions& options)
{
    if (auto* fn = Bind<decltype(&portkit_sort)>("portkit_sort"))
        return fn(parent, &options) != 0;
    // As after Cancel: no choice was made.
    options.nScope = options.nOrder = options.nFirstKey = options.nSecondKey = 0;
    return false;
}

bool ImportData(const ImportDataStruct& data, const char* const* names, const int* widths, const char* path,
                ImportRowCallback callback)
{
    auto* fn = Bind<decltype(&portkit_import_data)>("portkit_import_data");
    return fn != nullptr && fn(&data, names, widths, path, callback) != 0;
}

std::vector<int> ImportAssignment()
{
    auto* fn = Bind<decltype(&portkit_import_assignment)>("portkit_import_assignment");
    std::vector<int> assignment(fn != nullptr ? static_cast<std::size_t>(fn(nullptr, 0)) : 0);
    if (fn != nullptr)
        fn(assignment.data(), static_cast<int>(assignment.size()));
    return assignment;
}

void SetImportCounter(ImportCountsCallback counter, void* context)
{
    if (auto* fn = Bind<decltype(&portkit_set_import_counter)>("portkit_set_import_counter"))
        fn(counter, context);
}

// ---- the library's prompt ---------------------------------------------------------------

void SetPortkitPrompt(platform::Prompt* prompt)
{
    if (auto* fn = Bind<decltype(&portkit_set_prompt)>("portkit_set_prompt"))
        fn(prompt != nullptr ? &ForwardToPrompt : nullptr, prompt);
}

// ---- debug log --------------------------------------------------------------------------

CLogMessage::CLogMessage(PortkitLog* log) : log_(log) {}

CLogMessage* CLogMessage::CreateInstance()
{
    static CLogMessage* instance = nullptr;
    if (instance == nullptr) {
        auto* fn = Bind<decltype(&portkit_log_instance)>("portkit_log_instance");
        PortkitLog* log = fn != nullptr ? fn() : nullptr;
        if (log != nullptr)
            instance = new CLogMessage(log);
    }
    return instance;
}

bool CLogMessage::IsLogging()
{
    // Nobody can have started the log before the library was loaded.
    if (!app::PortkitLoader::Instance().IsLoaded())
        return false;
    auto* fn = Bind<decltype(&portkit_log_is_logging)>("portkit_log_is_logging");
    return fn != nullptr && fn() != 0;
}

void CLogMessage::StartLogging()
{
    if (auto* fn = Bind<decltype(&portkit_log_start)>("portkit_log_start"))
        fn(log_);
}

void CLogMessage::StopLogging()
{
    if (auto* fn = Bind<decltype(&portkit_log_stop)>("portkit_log_stop"))
        fn(log_);
}

void CLogMessage::LogMessage(const char* fmt, ...)
{
    auto* fn = Bind<decltype(&portkit_log_message_v)>("portkit_log_message_v");
    if (fn == nullptr)
        return;
    std::va_list args;
    va_start(args, fmt);
    fn(log_, fmt, args);
    va_end(args);
}

void CLogMessage::LogStringData(const char* label, const char* data)
{
    if (auto* fn = Bind<decltype(&portkit_log_string_data)>("portkit_log_string_data"))
        fn(log_, label, data);
}
