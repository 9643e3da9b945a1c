// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dialogs/DialogForms.h"

class NameFieldGuard;
class QFormLayout;
class QLineEdit;
class QWidget;

// The six labelled edits both channel dialogs share: name, service ID and the
// four PIDs (the radio add dialog leaves out the video PID). The widgets
// belong to the dialog; this only points at them.
struct ChannelEdits {
    QLineEdit *name = nullptr;
    NameFieldGuard *nameGuard = nullptr;   // the bytes left, and no character the receiver cannot show
    QLineEdit *serviceId = nullptr;
    QLineEdit *pmtPid = nullptr;
    QLineEdit *videoPid = nullptr;   // null where the dialog has no Video PID
    QLineEdit *audioPid = nullptr;
    QLineEdit *pcrPid = nullptr;

    void load(const ChannelForm &form) const;
    // Copies the texts into form, leaving its other fields alone.
    void store(ChannelForm &form) const;
    // The edit of one of the six fields; null for any other field.
    [[nodiscard]] QLineEdit *edit(FormField field) const;
};

enum class VideoPidEdit { Shown, LeftOut };

// Creates the edits as children of parent, each as a labelled row of fields.
[[nodiscard]] ChannelEdits addChannelEdits(QWidget &parent, QFormLayout &fields,
                                           VideoPidEdit videoPidEdit = VideoPidEdit::Shown);
