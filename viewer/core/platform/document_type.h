// A document type pairs a kind of document with its window and holds its
// document strings: "\nTitle\nFile-new name\nFilter name\n.EXT\n\n". It owns
// the documents it opened and deletes them when they close.
#pragma once

#include "core/platform/document.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orvane {

// The parts of the document strings, in their order.
enum class DocString {
    WindowTitle,
    DocName,
    FileNewName,
    FilterName,
    FilterExt,
    RegFileTypeId,
    RegFileTypeName,
};

class DocumentType {
public:
    using DocumentFactory = std::function<std::unique_ptr<Document>()>;
    // Opens a document from a file: false (after telling the user) on failure.
    using DocumentLoader = std::function<bool(Document&, const std::string& path)>;
    // Gives a document its frame and view; set by the window layer, absent
    // when running without windows.
    using WindowFactory = std::function<void(Document&)>;

    DocumentType(std::string docStrings, DocumentFactory factory, DocumentLoader loader);

    std::string docString(DocString part) const;
    // The extension of the filter, without its dot ("TRL"); empty when none.
    std::string extension() const;
    // True when the path ends in this type's extension (case-insensitively).
    bool matchesPath(const std::string& path) const;

    void setWindowFactory(WindowFactory factory) { m_windowFactory = std::move(factory); }
    // Told the path of every document this type opened (the recent files).
    void setOpenedListener(std::function<void(const std::string&)> listener) {
        m_opened = std::move(listener);
    }
    bool hasWindows() const { return static_cast<bool>(m_windowFactory); }

    // A new, untitled document ("TrList1", ...) with a window when there is a
    // window factory.
    Document* newDocument();
    // Opens the file, without a window when withWindow is false (a trace
    // list's entries). Null when the load failed; nothing is kept then.
    Document* openDocument(const std::string& path, bool withWindow = true);

    // Its window closed. The document is deleted when its automatic deletion
    // is on and no view is left; otherwise its owner deletes it later.
    void documentClosed(Document* document);
    // Deletes the document now (a trace list entry let go of it).
    void deleteDocument(Document* document);

    const std::vector<std::unique_ptr<Document>>& documents() const { return m_documents; }
    bool owns(const Document* document) const;

private:
    Document* adopt(std::unique_ptr<Document> document);

    std::vector<std::string> m_strings;
    DocumentFactory m_factory;
    DocumentLoader m_loader;
    WindowFactory m_windowFactory;
    std::function<void(const std::string&)> m_opened;
    std::vector<std::unique_ptr<Document>> m_documents;
    int m_untitledCount = 0;
};

} // namespace orvane
