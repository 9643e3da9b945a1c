// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditCommands.h"

#include "EditForms.h"
#include "model/DisplayTexts.h"
#include "model/ImageWriter.h"
#include "model/SameTransponder.h"
#include "model/SatelliteSettings.h"
#include "EditHistory.h"
#include "ui/lists/ChannelTexts.h"
#include "ui/lists/ModelStrings.h"
#include "ui/lists/ReportList.h"
#include "ui/pages/SatelliteChoiceList.h"
#include "ui/UserDialogs.h"
#include "ui/dialogs/TsatEditDlg.h"
#include "ui/dialogs/TsvcAddDlg.h"
#include "ui/dialogs/TsvcEditDlg.h"
#include "ui/dialogs/TtpEditDlg.h"
#include "ui/pages/ChannelPage.h"
#include "ui/pages/SatellitePage.h"
#include "ui/pages/TransponderPage.h"

#include <QComboBox>

#include <optional>
#include <stdexcept>
#include <utility>

namespace k510::ui {

namespace {

const char *const kNoPolarisation = "Не указан тип поляризации!";
const char *const kNoFec = "Не указан тип FEC!";
const char *const kNoFrequency = "Не задана частота!";
const char *const kNoRate = "Не задана скорость потока!";
const char *const kFillEveryField = "Необходимо заполнить все поля!";
const char *const kChooseTransponder = "Выберите транспондер!";
const char *const kChannelTypeError = "Ошибка типа канала!";
const char *const kNoRoomForTransponder =
    "Транспондер не добавлен: в образе базы нет места ещё для одного транспондера.";
const char *const kNoRoomForChannel = "Канал не добавлен: в образе базы нет места ещё для одного канала.";
const char *const kOrderFull = "Канал не добавлен: в списке уже %1 каналов, больше ресивер не принимает.";

// The first of the channel dialog's fields that is empty or holds only
// blanks, if any.
std::optional<FormField> firstEmpty(const ChannelForm &form)
{
    const std::pair<FormField, const QString *> fields[] = {
        {FormField::ServiceId, &form.serviceId}, {FormField::PmtPid, &form.pmtPid},
        {FormField::VideoPid, &form.videoPid},   {FormField::AudioPid, &form.audioPid},
        {FormField::PcrPid, &form.pcrPid},       {FormField::Name, &form.name}};
    for (const auto &[field, text] : fields) {
        if (field == FormField::VideoPid && !form.hasVideoPid)
            continue;
        if (text->trimmed().isEmpty())
            return field;
    }
    return std::nullopt;
}

[[noreturn]] void refuse(FormField field, const std::string &message)
{
    throw RefusedField(field, message);
}

} // namespace

EditCommands::EditCommands(EditTargets targets, QWidget *dialogParent)
    : m(std::move(targets))
    , m_satelliteDialog(new TsatEditDlg(dialogParent))
    , m_transponderDialog(new TtpEditDlg(dialogParent))
    , m_channelEditDialog(new TsvcEditDlg(dialogParent))
    , m_channelAddDialog(new TsvcAddDlg(ChannelKind::Tv, dialogParent))
    , m_radioAddDialog(new TsvcAddDlg(ChannelKind::Radio, dialogParent))
{
}

template <typename Dialog>
bool EditCommands::runUntilAccepted(Dialog &dialog, const std::function<void()> &accept)
{
    dialog.focusFirstField();
    while (m.dialogs.runDialog(dialog)) {
        try {
            accept();
            return true;
        } catch (const RefusedField &refused) {
            tell(QString::fromUtf8(refused.what()));
            dialog.markRefused(refused.field());
        } catch (const std::exception &refused) {
            tell(QString::fromUtf8(refused.what()));
            return false;
        }
    }
    return false;
}

void EditCommands::tell(const QString &message)
{
    m.dialogs.showMessage(message);
}

void EditCommands::showAddedRow(ReportList &list, int row)
{
    if (row < 0)
        return;
    list.selectOnly(row);
    // After a refill the view lays its rows out later; scrolling needs them now.
    list.doItemsLayout();
    list.scrollTo(list.model()->index(row, 0));
}

ChannelPage &EditCommands::pageOf(ChannelKind kind) const
{
    return kind == ChannelKind::Tv ? m.tv : m.radio;
}

void EditCommands::editSatellite()
{
    m.history.record(QStringLiteral("Изменение спутника"), [&] {
        ReportList &list = *m.satellites.list();
        const int index = list.identityOf(list.firstSelectedRow());
        if (index < 0 || std::size_t(index) >= m.database.satellites.size())
            return;
        Satellite &satellite = m.database.satellites[std::size_t(index)];

        m_satelliteDialog->load(satelliteFormOf(satellite));
        const SatelliteForm opened = m_satelliteDialog->form();
        runUntilAccepted(*m_satelliteDialog, [&] {
            const SatelliteForm typed = m_satelliteDialog->form();
            applySatelliteSettings(satellite, satelliteSettingsOf(satellite, typed, opened));
            m.satellites.showChanges();
            showAddedRow(list, list.rowOfIdentity(index));
            renameSatelliteEntries(index + 1, fromWindows1251(satellite.name));
        });
    });
}

void EditCommands::renameSatelliteEntries(int entry, const QString &name)
{
    m.transponders.selector()->setEntryText(entry, name);
    m.tv.selector()->setItemText(entry, name);
    m.radio.selector()->setItemText(entry, name);
}

void EditCommands::addTransponder()
{
    m.history.record(QStringLiteral("Добавление транспондера"), [&] {
        const int entry = m.transponders.selector()->currentIndex();
        if (entry < 1 || std::size_t(entry) > m.database.satellites.size())
            return;
        m_transponderDialog->setCaption(QStringLiteral("Добавление транспондера"));
        // A new transponder starts from nothing: the last values shown would
        // only make a second copy of a transponder the database has.
        m_transponderDialog->load(TransponderForm{});
        ReportList &list = *m.transponders.list();
        runUntilAccepted(*m_transponderDialog, [&] {
            const TransponderForm form = m_transponderDialog->form();
            if (form.polarisation < 0)
                refuse(FormField::Polarisation, kNoPolarisation);
            if (form.fec < 0)
                refuse(FormField::Fec, kNoFec);
            if (form.frequency.isEmpty())
                refuse(FormField::Frequency, kNoFrequency);
            if (form.rate.isEmpty())
                refuse(FormField::Rate, kNoRate);
            const TransponderValues values = transponderValuesOf(form);
            if (!hasRoomFor(m.database, 1, 0))
                throw std::runtime_error(kNoRoomForTransponder);

            Transponder transponder;
            applyTransponderValues(transponder, values);
            if (const auto present = sameTransponderOf(m.database, entry - 1, transponder)) {
                const Transponder &same = m.database.transponders[std::size_t(*present)];
                refuse(FormField::Frequency, QStringLiteral("Такой транспондер уже есть: %1 %2 %3")
                                                 .arg(frequencyText(same),
                                                      QString::fromStdString(polarisationText(same.polarisation)),
                                                      symbolRateText(same))
                                                 .toStdString());
            }
            const int index = m.database.appendTransponder(entry - 1, transponder);
            if (index < 0)
                throw std::runtime_error(kNoRoomForTransponder);
            // The new row takes its place among sorted ones.
            m.transponders.showChanges();
            showAddedRow(list, list.rowOfIdentity(index));
            m.updateStatusBar();
        });
    });
}

void EditCommands::editTransponder()
{
    m.history.record(QStringLiteral("Изменение транспондера"), [&] {
        ReportList &list = *m.transponders.list();
        const int index = m.transponders.transponderIndexOfRow(list.firstSelectedRow());
        if (index < 0)
            return;

        Transponder &transponder = m.database.transponders[std::size_t(index)];
        m_transponderDialog->setCaption(QStringLiteral("Редактирование транспондера"));
        m_transponderDialog->load(transponderFormOf(transponder));
        runUntilAccepted(*m_transponderDialog, [&] {
            const TransponderValues values = transponderValuesOf(m_transponderDialog->form());
            applyTransponderValues(transponder, values);
            m.transponders.showChanges();
            showAddedRow(list, list.rowOfIdentity(index));
        });
    });
}

void EditCommands::addChannel(ChannelKind kind)
{
    m.history.record(QStringLiteral("Добавление канала"), [&] {
        ChannelPage &page = pageOf(kind);
        const int entry = page.selector()->currentIndex();
        if (entry < 1 || std::size_t(entry) > m.database.satellites.size())
            return;
        const Satellite &satellite = m.database.satellites[std::size_t(entry - 1)];
        TsvcAddDlg &dialog = kind == ChannelKind::Tv ? *m_channelAddDialog : *m_radioAddDialog;
        if (kind == ChannelKind::Radio)
            dialog.clearFields();
        dialog.setTransponders(transponderEntries(m.database, entry - 1));
        int addedIndex = -1;
        const bool added = runUntilAccepted(dialog, [&] {
            const ChannelForm form = dialog.form();
            if (const auto empty = firstEmpty(form))
                refuse(*empty, kFillEveryField);
            if (form.transponder < 0 || std::size_t(form.transponder) >= satellite.transponderIndices.size())
                refuse(FormField::Transponder, kChooseTransponder);
            const ChannelValues values = channelValuesOf(form);
            const std::size_t ordered =
                kind == ChannelKind::Tv ? m.database.tvOrder.size() : m.database.radioOrder.size();
            if (ordered >= std::size_t(kOrderCapacity))
                throw std::runtime_error(QString::fromUtf8(kOrderFull).arg(kOrderCapacity).toStdString());
            if (!hasRoomFor(m.database, 0, 1))
                throw std::runtime_error(kNoRoomForChannel);

            Channel channel;
            channel.tpNumber = std::uint16_t(satellite.transponderIndices[std::size_t(form.transponder)] + 1);
            applyChannelValues(channel, values);
            channel.setServiceType(kind == ChannelKind::Tv ? ServiceType::Tv : ServiceType::Radio);
            if (!form.freeToAir)
                channel.chFlags |= ChannelFlag::Scrambled;
            // A TV channel ends the TV block, a radio channel the radio block.
            addedIndex = kind == ChannelKind::Tv ? m.database.tvCount()
                                                 : int(m.database.tvOrder.size() + m.database.radioOrder.size());
            const int wronglyTyped =
                kind == ChannelKind::Tv ? m.database.appendTvChannel(channel) : m.database.appendRadioChannel(channel);
            if (wronglyTyped > 0)
                tell(QString::fromUtf8(kChannelTypeError));
        });
        if (!added)
            return;
        page.showChanges();
        showAddedRow(*page.list(), page.list()->rowOfIdentity(addedIndex));
    });
}

void EditCommands::editChannel(ChannelKind kind)
{
    m.history.record(QStringLiteral("Изменение канала"), [&] {
        ChannelPage &page = pageOf(kind);
        const int index = page.channelIndexOfRow(page.list()->firstSelectedRow());
        if (index < 0)
            return;
        Channel &channel = m.database.channels[std::size_t(index)];
        m_channelEditDialog->load(channelFormOf(channel));
        runUntilAccepted(*m_channelEditDialog, [&] {
            const ChannelForm form = m_channelEditDialog->form();
            if (const auto empty = firstEmpty(form))
                refuse(*empty, kFillEveryField);
            const ChannelValues values = channelValuesOf(form);
            applyChannelValues(channel, values);
            page.showChanges();
            showAddedRow(*page.list(), page.list()->rowOfIdentity(index));
        });
    });
}

} // namespace k510::ui
