// A document owns its data, knows its file and whether it changed since it
// was last saved, and tells its views about changes through update hints.
#pragma once

#include "core/platform/update_hints.h"

#include <cstddef>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace orvane {

class Document;
class DocumentType;
class View;

// What a hint concerns: nothing, entries of a list (by their own pointer,
// opaque here), or documents.
using HintEntries = std::vector<const void*>;
using HintDocuments = std::vector<Document*>;
using HintPayload = std::variant<std::monostate, HintEntries, HintDocuments>;

struct Hint {
    HintCode code = HINT_NONE;
    HintPayload payload;

    const HintEntries* entries() const { return std::get_if<HintEntries>(&payload); }
    const HintDocuments* documents() const { return std::get_if<HintDocuments>(&payload); }
};

class Document {
public:
    Document() = default;
    virtual ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // The file; empty for a new document never saved.
    const std::string& path() const { return m_path; }
    void setPath(const std::string& path);
    // The file-name part of the path, or the title given to an unsaved one.
    std::string title() const;
    void setTitle(const std::string& title);

    bool isModified() const { return m_modified; }
    void setModified(bool modified = true);

    // Called whenever the path, the title or the modified state changes: the
    // frame updates its window title and its "[*]" mark.
    void setStateListener(std::function<void()> listener) { m_stateListener = std::move(listener); }

    // While off, the document outlives its last view: its owner (a trace list
    // entry) deletes it through the document type.
    bool autoDelete() const { return m_autoDelete; }
    void setAutoDelete(bool on) { m_autoDelete = on; }

    DocumentType* type() const { return m_type; }
    void setType(DocumentType* type) { m_type = type; }

    void addView(View* view);
    void removeView(View* view);
    const std::vector<View*>& views() const { return m_views; }

    // Every view but the sender gets the hint at once; their repaints are
    // coalesced (see RepaintQueue).
    void updateAllViews(View* sender, HintCode code, HintPayload payload = {});

private:
    void stateChanged();

    std::string m_path;
    std::string m_title;
    bool m_modified = false;
    bool m_autoDelete = true;
    DocumentType* m_type = nullptr;
    std::vector<View*> m_views;
    std::function<void()> m_stateListener;
};

} // namespace orvane
