#pragma once

#include "eval/MessageSink.h"
#include "ui/Dialog.h"

#include <string>

// The window a page hands its command to: the main window, as the windows it
// hosts or opens see it. It holds the pending command, owns the evaluator's
// message boxes, and sends the command to the editor.
class CCommandTarget : public CDialog, public kestrow::MessageSink {
public:
    using CDialog::CDialog;

    void ShowMessage(const std::string& text) override { CDialog::ShowMessage(text); }

    virtual void ClearCommand() = 0;
    virtual void PublishCommand(const std::string& command, const std::string& label) = 0;
    // Apply; a message box it shows belongs to `messageOwner`.
    virtual void SendCommandToEditor(CDialog& messageOwner) = 0;
};
