// The core's file dialogs as Qt file dialogs.
#pragma once

#include "core/platform/file_chooser.h"

#include <QPointer>
#include <QWidget>

namespace orvane {

class QtFileChooser : public FileChooser {
public:
    void setOwner(QWidget* owner) { m_owner = owner; }
    std::optional<SaveFileChoice> chooseSaveFile(const SaveFileRequest& request) override;
    std::optional<std::string> chooseOpenFile(const OpenFileRequest& request) override;

private:
    QPointer<QWidget> m_owner;
};

} // namespace orvane
