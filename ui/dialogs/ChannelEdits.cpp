// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelEdits.h"

#include "NameField.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QLineEdit *addEdit(QWidget &parent, QFormLayout &fields, const QString &name, const QString &label)
{
    auto *edit = new QLineEdit(&parent);
    edit->setObjectName(name);
    auto *caption = new QLabel(label, &parent);
    caption->setBuddy(edit);
    fields.addRow(caption, edit);
    return edit;
}

} // namespace

void ChannelEdits::load(const ChannelForm &form) const
{
    nameGuard->loadName(form.name);
    serviceId->setText(form.serviceId);
    pmtPid->setText(form.pmtPid);
    if (videoPid)
        videoPid->setText(form.videoPid);
    audioPid->setText(form.audioPid);
    pcrPid->setText(form.pcrPid);
}

void ChannelEdits::store(ChannelForm &form) const
{
    form.name = name->text();
    form.serviceId = serviceId->text();
    form.pmtPid = pmtPid->text();
    form.hasVideoPid = videoPid != nullptr;
    form.videoPid = videoPid ? videoPid->text() : QString();
    form.audioPid = audioPid->text();
    form.pcrPid = pcrPid->text();
}

QLineEdit *ChannelEdits::edit(FormField field) const
{
    switch (field) {
    case FormField::Name: return name;
    case FormField::ServiceId: return serviceId;
    case FormField::PmtPid: return pmtPid;
    case FormField::VideoPid: return videoPid;
    case FormField::AudioPid: return audioPid;
    case FormField::PcrPid: return pcrPid;
    default: return nullptr;
    }
}

ChannelEdits addChannelEdits(QWidget &parent, QFormLayout &fields, VideoPidEdit videoPidEdit)
{
    ChannelEdits edits;
    edits.name = addEdit(parent, fields, QStringLiteral("leName"), QStringLiteral("Название"));
    auto *room = new QLabel(&parent);
    fields.addRow(QString(), room);
    edits.nameGuard = new NameFieldGuard(*edits.name, *room);
    edits.serviceId = addEdit(parent, fields, QStringLiteral("leSIDInfo"), QStringLiteral("Service ID"));
    edits.pmtPid = addEdit(parent, fields, QStringLiteral("lePMTInfo"), QStringLiteral("PMT PID"));
    if (videoPidEdit == VideoPidEdit::Shown)
        edits.videoPid = addEdit(parent, fields, QStringLiteral("leVPid"), QStringLiteral("Video PID"));
    edits.audioPid = addEdit(parent, fields, QStringLiteral("leAPid"), QStringLiteral("Audio PID"));
    edits.pcrPid = addEdit(parent, fields, QStringLiteral("lePcrInfo"), QStringLiteral("PCR PID"));
    return edits;
}
