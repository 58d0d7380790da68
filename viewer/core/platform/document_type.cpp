#include "core/platform/document_type.h"

#include "core/platform/text.h"

#include <algorithm>

namespace orvane {

namespace {

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        size_t end = text.find('\n', start);
        parts.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return parts;
}

} // namespace

DocumentType::DocumentType(std::string docStrings, DocumentFactory factory, DocumentLoader loader)
    : m_strings(splitLines(docStrings)), m_factory(std::move(factory)),
      m_loader(std::move(loader)) {}

std::string DocumentType::docString(DocString part) const {
    const auto index = static_cast<size_t>(part);
    return index < m_strings.size() ? m_strings[index] : std::string();
}

std::string DocumentType::extension() const {
    std::string ext = docString(DocString::FilterExt);
    if (!ext.empty() && ext.front() == '.') ext.erase(0, 1);
    return ext;
}

bool DocumentType::matchesPath(const std::string& path) const {
    const std::string ext = extension();
    if (ext.empty() || path.size() <= ext.size()) return false;
    const size_t dot = path.size() - ext.size() - 1;
    return path[dot] == '.' && equalsIgnoringCase(path.substr(dot + 1), ext);
}

Document* DocumentType::adopt(std::unique_ptr<Document> document) {
    document->setType(this);
    m_documents.push_back(std::move(document));
    return m_documents.back().get();
}

Document* DocumentType::newDocument() {
    Document* document = adopt(m_factory());
    document->setTitle(docString(DocString::FileNewName) + std::to_string(++m_untitledCount));
    if (m_windowFactory) m_windowFactory(*document);
    return document;
}

Document* DocumentType::openDocument(const std::string& path, bool withWindow) {
    std::unique_ptr<Document> document = m_factory();
    document->setType(this);
    if (m_loader && !m_loader(*document, path)) return nullptr;
    document->setPath(path);
    document->setModified(false);
    Document* opened = adopt(std::move(document));
    if (m_opened) m_opened(path);
    if (withWindow && m_windowFactory) m_windowFactory(*opened);
    return opened;
}

void DocumentType::documentClosed(Document* document) {
    if (document->autoDelete() && document->views().empty()) deleteDocument(document);
}

void DocumentType::deleteDocument(Document* document) {
    auto it = std::find_if(m_documents.begin(), m_documents.end(),
                           [&](const auto& owned) { return owned.get() == document; });
    if (it == m_documents.end()) return;
    // Taken out first, so that anything the destructor triggers no longer sees it.
    std::unique_ptr<Document> doomed = std::move(*it);
    m_documents.erase(it);
}

bool DocumentType::owns(const Document* document) const {
    return std::any_of(m_documents.begin(), m_documents.end(),
                       [&](const auto& owned) { return owned.get() == document; });
}

} // namespace orvane
