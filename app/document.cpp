#include "app/document.h"

// project
#include "platform/locale.h"
#include "radio/main_doc.h"

namespace app {

Document::Document(std::string untitledName)
    : doc_(std::make_unique<radio::CMainDoc>(platform::DecimalSeparator())), untitledName_(std::move(untitledName))
{
}

Document::~Document() = default;

bool Document::NewFile()
{
    path_.clear();
    return doc_->OnNewDocument();
}

bool Document::OpenFile(const std::string& path)
{
    if (!doc_->Load(path))
        return false;
    path_ = path;
    return true;
}

bool Document::SaveFile(const std::string& path)
{
    if (!doc_->Save(path))
        return false;
    path_ = path;
    return true;
}

const std::string& Document::ErrorText() const
{
    return doc_->ErrorText();
}

std::string Document::Title() const
{
    if (path_.empty())
        return untitledName_;
    const auto slash = path_.rfind('/');
    return slash == std::string::npos ? path_ : path_.substr(slash + 1);
}

bool Document::IsModified() const
{
    return doc_->IsModified();
}

std::string UntitledName(int ordinal)
{
    return ordinal <= 1 ? "Untitled" : "Untitled" + std::to_string(ordinal);
}

std::string WithDefaultExtension(const std::string& path)
{
    const auto slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty() || name.find('.') != std::string::npos)
        return path;
    return path + ".rdf";
}

} // namespace app
