#pragma once
/*
 * The C entries of libportkit, one per operation, for programs that load the
 * library with dlopen and bind each entry with dlsym. The C++ interface
 * (serial.h, port_setup.h, log_message.h, prompt_hook.h) is a thin layer over
 * these entries.
 *
 * Conventions: texts are single-byte (Latin-1) NUL-terminated strings; an
 * `owner` or `parent` is the QWidget* that owns a message box or a dialog, or
 * NULL; a NULL object handle is accepted everywhere and does nothing (results
 * as for a closed port). No entry throws.
 */

#include <stdarg.h>
#include <stdint.h>

#include "portkit/export.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The library file that carries this interface, and its interface number. */
#define PORTKIT_LIBRARY_FILE "libportkit.so.2"
#define PORTKIT_INTERFACE_VERSION 2

/* Message-box kinds passed to a prompt callback (same numbers as platform::Icon). */
#define PORTKIT_ICON_NONE 0
#define PORTKIT_ICON_INFORMATION 1
#define PORTKIT_ICON_WARNING 2
#define PORTKIT_ICON_ERROR 3
#define PORTKIT_ICON_QUESTION 4
/* Button sets (same numbers as platform::Buttons). */
#define PORTKIT_BUTTONS_OK 0
#define PORTKIT_BUTTONS_OK_CANCEL 1
#define PORTKIT_BUTTONS_YES_NO 2
#define PORTKIT_BUTTONS_YES_NO_CANCEL 3
/* Answers a prompt callback returns (same numbers as platform::Answer). */
#define PORTKIT_ANSWER_OK 0
#define PORTKIT_ANSWER_CANCEL 1
#define PORTKIT_ANSWER_YES 2
#define PORTKIT_ANSWER_NO 3

/* Results of portkit_serial_find_com_ports. */
#define PORTKIT_PORT_AVAILABLE 2
#define PORTKIT_PORT_UNAVAILABLE 3

/* Error flag for an I/O failure (the line was cut, the device vanished), in
 * portkit_serial_comm_error and in the negated result of portkit_serial_read. */
#define PORTKIT_CE_IOE 0x0400

/* Most names a SortOptions record carries. */
#define PORTKIT_SORT_MAX_NAMES 100

/* The sort dialog's record, owned by the caller. nCount and pszNames go in;
 * the other four are written by the dialog (see portkit_sort). */
typedef struct SortOptions {
    int nCount;      /* names offered, 0 to PORTKIT_SORT_MAX_NAMES */
    int nScope;      /* 0 "Selected channels", 1 "All Channels" */
    int nOrder;      /* 1 ascending, 2 descending, 0 neither */
    int nFirstKey;   /* "Sort by": 1-based name index, 0 when none is selected */
    int nSecondKey;  /* "Then sort by": 0 "None", k the k-th name, -1 when none is selected */
    const char* pszNames[PORTKIT_SORT_MAX_NAMES]; /* only the first nCount are read */
} SortOptions;

/* The import wizard's record, owned by the caller and only read. */
typedef struct ImportDataStruct {
    void* hWndOwner;   /* carried for the caller; the wizard does not read it */
    int nColumns;      /* entries in the name and width arrays */
    int nFirstChannel; /* lowest start channel, and the start's first value */
    int nAvailable;    /* channels free when existing ones are not overwritten */
    int nLastChannel;  /* highest start channel, shown as "Total Channels:" */
} ImportDataStruct;

/* Called once per chosen row: record holds one zero-terminated slot per
 * column, back to back (slot k starts at the sum of the widths before it) and
 * is valid during the call only; channelIndex is (start - 1) + the rows
 * already handed over; overwrite is 1 when "Overwrite existing channels" was
 * ticked, else 0. */
typedef void (*ImportRowCallback)(void* record, int channelIndex, int overwrite);

/* What the last page of the import wizard shows before Finish, told by the
 * caller: called with the rows Finish would hand over as things stand (count
 * records back to back, each the sum of the widths long, filled as for
 * ImportRowCallback), the channel index of the first, overwrite, and the
 * column assignment of step 3 (columns numbers, as portkit_import_assignment
 * gives them). It writes a zero-terminated text of at most capacity bytes to
 * text; lines end with a line feed. */
typedef void (*ImportCountsCallback)(void* context, const void* records, int count, int firstIndex, int overwrite,
                                     const int* assignment, int columns, char* text, int capacity);

typedef struct PortkitSerial PortkitSerial;
typedef struct PortkitLog PortkitLog;

/* Shows one message box modally and returns a PORTKIT_ANSWER_* value. */
typedef int (*portkit_prompt_fn)(void* context, const char* text, const char* caption, int icon,
                                 int buttons, void* owner);

/* ---- library ---------------------------------------------------------------------------- */

/* PORTKIT_INTERFACE_VERSION of the loaded library. */
PORTKIT_API int portkit_interface_version(void);
/* Routes the library's messages to fn(context, ...); NULL restores the default (message boxes when a QApplication exists, else standard error). */
PORTKIT_API void portkit_set_prompt(portkit_prompt_fn fn, void* context);

/* ---- serial port ------------------------------------------------------------------------ */

/* A closed port with the defaults (9600 baud, 8 data bits, parity 0, stop-bits code 2, port 0); NULL when out of memory. */
PORTKIT_API PortkitSerial* portkit_serial_new(void);
/* Closes the port (DTR and RTS dropped) and frees the object. */
PORTKIT_API void portkit_serial_delete(PortkitSerial* port);
/* Stores the port number n (device "COM<n>"); does not reopen an open port. */
PORTKIT_API void portkit_serial_set_port_num(PortkitSerial* port, int n);
/* The stored port number. */
PORTKIT_API int portkit_serial_get_port_num(const PortkitSerial* port);
/* 1 while the port is open, else 0. */
PORTKIT_API int portkit_serial_is_open(const PortkitSerial* port);
/* The open device's descriptor, cast to a pointer, while open; else NULL. */
PORTKIT_API void* portkit_serial_open_port_id(const PortkitSerial* port);
/* Opens and configures the port with the stored line settings; 1 on success, 0 after a message box owned by owner. */
PORTKIT_API int portkit_serial_open(PortkitSerial* port, void* owner);
/* Stores baud, parity code (0 none, 1 odd, 2 even, 3 mark, 4 space), data bits and stop-bits code (0 one, 1 one and a half, 2 two), then portkit_serial_open. */
PORTKIT_API int portkit_serial_open_with(PortkitSerial* port, void* owner, uint32_t baud, uint8_t parity,
                                         uint8_t dataBits, uint8_t stopBits);
/* Drops DTR and RTS and closes the device; nothing when closed. */
PORTKIT_API void portkit_serial_close(PortkitSerial* port);
/* Reads up to n queued bytes, waiting at most 3 ms for the first; count, 0 for none, negative error flags on failure. */
PORTKIT_API int portkit_serial_read(PortkitSerial* port, void* buf, int n);
/* Reads one byte as portkit_serial_read does; 0xFF when none arrived or the read failed (failure shows a message). */
PORTKIT_API uint8_t portkit_serial_read_byte(PortkitSerial* port);
/* Writes n bytes, blocking until the driver took them; count written, or the negated system error code after a message. */
PORTKIT_API int portkit_serial_write(PortkitSerial* port, const void* buf, int n);
/* Writes one byte; 1, or 0 after a message. */
PORTKIT_API int portkit_serial_write_byte(PortkitSerial* port, uint8_t b);
/* Writes count bytes one by one, sleeping delayMs after each; count (0 when count <= 0). */
PORTKIT_API int portkit_serial_write_bytes(PortkitSerial* port, const void* buf, int count, int delayMs);
/* As portkit_serial_write_bytes, but busy-waits delayMs on the monotonic clock after each byte. */
PORTKIT_API int portkit_serial_write_bytes_ex(PortkitSerial* port, const void* buf, int count, int delayMs);
/* Discards the driver's input and output queues. */
PORTKIT_API void portkit_serial_purge(PortkitSerial* port);
/* The line's error flags since the last call (overrun, parity, framing, break, PORTKIT_CE_IOE), then clears them. */
PORTKIT_API int portkit_serial_comm_error(PortkitSerial* port);
/* *cts and *dsr become 1 when that modem line is on, else 0 (0 also for a device without modem lines). */
PORTKIT_API void portkit_serial_control_lines(PortkitSerial* port, int* cts, int* dsr);
/* The open device's file descriptor, for waiting on it (poll, a socket notifier); -1 when closed. */
PORTKIT_API int portkit_serial_descriptor(const PortkitSerial* port);
/* Bytes waiting to be read without blocking; -1 when closed or on failure. */
PORTKIT_API int portkit_serial_available(PortkitSerial* port);
/* Waits up to timeoutMs (-1: without limit) for input: 1 ready (or the line hung up), 0 nothing came, negative error flags on failure. No message. */
PORTKIT_API int portkit_serial_wait(PortkitSerial* port, int timeoutMs);
/* Blocks until every byte written has left the driver; 0, or the system error code (no message). */
PORTKIT_API int portkit_serial_drain(PortkitSerial* port);
/* PORTKIT_PORT_AVAILABLE when port n can be opened now, else PORTKIT_PORT_UNAVAILABLE (absent or in use). */
PORTKIT_API int portkit_serial_find_com_ports(PortkitSerial* port, int n);

/* ---- com port setup --------------------------------------------------------------------- */

/* Shows "Com port setup" over parent; stores the choice as "comport" under keyPath (none when NULL or on Cancel); the port, 0 for "None", -1 for Cancel. */
PORTKIT_API int portkit_setup_port(const char* keyPath, void* parent);
/* The "comport" value stored under keyPath, or 0 (also for a NULL keyPath). */
PORTKIT_API int portkit_get_reg_com_port(const char* keyPath);

/* ---- sort dialog ------------------------------------------------------------------------ */

/* Shows "Sort" over parent with the first nCount names. Writes nScope, nOrder,
 * nFirstKey and nSecondKey (all 0 on Cancel); 1 for OK, 0 for Cancel, for a NULL
 * record or when no dialog can be shown. */
PORTKIT_API int portkit_sort(void* parent, SortOptions* options);

/* ---- import wizard ---------------------------------------------------------------------- */

/* Reads path and runs the four-step import wizard; the callback gets each chosen
 * row during Finish. 1 when the wizard ended with Finish (also when the user
 * chose to import nothing), 0 for Cancel, for a file that cannot be opened
 * (after "An error occurred file tring to open the file: \n<path>"), for
 * missing arguments or when no wizard can be shown. */
PORTKIT_API int portkit_import_data(const ImportDataStruct* data, const char* const* names, const int* widths,
                                    const char* path, ImportRowCallback callback);
/* The column assignment of step 3 in the latest portkit_import_data call, once it
 * ended with Finish: one number per file column, 0 for "Ignore", k for the k-th
 * name (1-based). Writes the first min(count, capacity) numbers to assignment
 * (nothing when it is NULL) and returns the count. 0 while a call runs, and
 * after a call that did not end with Finish. Tells the caller which of its
 * fields the file fed: a slot of an ignored column and the slot of an assigned
 * but empty cell are alike zero bytes. */
PORTKIT_API int portkit_import_assignment(int* assignment, int capacity);
/* The counter the following portkit_import_data calls ask each time the last
 * page's rows, start or overwrite change, with context passed back to it.
 * NULL: the page shows no counts. */
PORTKIT_API void portkit_set_import_counter(ImportCountsCallback counter, void* context);

/* ---- debug log -------------------------------------------------------------------------- */

/* The single log object ("Debug.log" in $XDG_STATE_HOME/Quillon), made on first call; NULL when out of memory. */
PORTKIT_API PortkitLog* portkit_log_instance(void);
/* 1 while logging is on, else 0. */
PORTKIT_API int portkit_log_is_logging(void);
/* Opens "Debug.log" for appending and writes the "Log File started" line; logging stays off when it cannot be opened. */
PORTKIT_API void portkit_log_start(PortkitLog* log);
/* Writes "Log File ended ==============" and closes the log. */
PORTKIT_API void portkit_log_stop(PortkitLog* log);
/* Appends one printf-formatted line (cut at 999 characters) while logging is on. */
PORTKIT_API void portkit_log_message(PortkitLog* log, const char* fmt, ...) __attribute__((format(printf, 2, 3)));
/* portkit_log_message with a va_list. */
PORTKIT_API void portkit_log_message_v(PortkitLog* log, const char* fmt, va_list args)
    __attribute__((format(printf, 2, 0)));
/* Appends label and data as two lines while logging is on. */
PORTKIT_API void portkit_log_string_data(PortkitLog* log, const char* label, const char* data);

#ifdef __cplusplus
} /* extern "C" */
#endif
