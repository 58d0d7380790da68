// CHeaderDoc: one header template, edited as plain text. The editor does
// not parse it (the library does when a trace takes a custom header); it
// reads and writes the file in the template's encoding and asks for one
// when a template is first saved and at every Save As.
#pragma once

#include "core/headered/header_constants.h"
#include "core/platform/document.h"

#include <string>

namespace orvane {

class CHeaderDoc : public Document {
public:
    const std::u16string& GetText() const { return m_text; }
    // The whole text of a view: the document is modified and its other
    // views are told.
    void SetText(std::u16string text, View* sender = nullptr);
    HeaderEncoding GetEncoding() const { return m_encoding; }

    // Reads the template (its first bytes decide the encoding); false, after
    // telling, when the file cannot be read.
    bool OnOpenDocument(const std::string& path);
    // Writes the template in its encoding; a failure is told and leaves the
    // old file as it was.
    bool OnSaveDocument(const std::string& path);

    // File / Save: asks for the encoding first when there is none yet, then
    // writes the document's file (a new template gets the file dialog).
    bool DoFileSave();
    // File / Save As...: always asks for the encoding, then the file dialog.
    bool DoSaveAs();
    // The question before a modified template closes: true when the close
    // may go on.
    bool SaveModified();

private:
    bool saveWithDialog();

    std::u16string m_text;
    HeaderEncoding m_encoding = HEADER_ENCODING_NONE;
};

} // namespace orvane
