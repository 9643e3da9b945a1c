#include "EditCommands.h"

#include "EditForms.h"
#include "model/ImageWriter.h"
#include "model/SatelliteSettings.h"
#include "ui/lists/ModelStrings.h"
#include "ui/lists/ReportList.h"
#include "ui/SatelliteChoiceList.h"
#include "ui/UserDialogs.h"
#include "ui/dialogs/TsatEditDlg.h"
#include "ui/dialogs/TsvcAddDlg.h"
#include "ui/dialogs/TsvcEditDlg.h"
#include "ui/dialogs/TtpEditDlg.h"
#include "ui/pages/ChannelPage.h"
#include "ui/pages/SatellitePage.h"
#include "ui/pages/TransponderPage.h"

#include <QComboBox>

#include <stdexcept>

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

bool anyEmpty(const ChannelForm &form)
{
    for (const QString *text :
         {&form.serviceId, &form.pmtPid, &form.videoPid, &form.audioPid, &form.pcrPid, &form.name})
        if (text->isEmpty())
            return true;
    return false;
}

} // namespace

EditCommands::EditCommands(EditTargets targets, QWidget *dialogParent)
    : m(std::move(targets))
    , m_satelliteDialog(new TsatEditDlg(dialogParent))
    , m_transponderDialog(new TtpEditDlg(dialogParent))
    , m_channelEditDialog(new TsvcEditDlg(dialogParent))
    , m_channelAddDialog(new TsvcAddDlg(dialogParent))
{
}

bool EditCommands::attempt(const std::function<void()> &step)
{
    try {
        step();
        return true;
    } catch (const std::exception &refused) {
        tell(QString::fromUtf8(refused.what()));
        return false;
    }
}

void EditCommands::tell(const QString &message)
{
    m.dialogs.showMessage(message);
}

ChannelPage &EditCommands::pageOf(ChannelKind kind) const
{
    return kind == ChannelKind::Tv ? m.tv : m.radio;
}

void EditCommands::editSatellite()
{
    ReportList &list = *m.satellites.list();
    const int row = list.firstSelectedRow();
    // The "№" of the row names the satellite, wherever sorting has put it.
    const int entry = list.referenceOf(row);
    if (row < 0 || entry < 1 || std::size_t(entry) > m.database.satellites.size())
        return;
    Satellite &satellite = m.database.satellites[std::size_t(entry - 1)];

    m_satelliteDialog->load(satelliteFormOf(satellite));
    const SatelliteForm opened = m_satelliteDialog->form();
    if (!m.dialogs.runDialog(*m_satelliteDialog))
        return;
    const SatelliteForm typed = m_satelliteDialog->form();
    if (!attempt([&] { applySatelliteSettings(satellite, satelliteSettingsOf(satellite, typed, opened)); }))
        return;

    m.satellites.showSatellite(entry - 1, satellite.rowTexts);
    renameSatelliteEntries(entry, fromWindows1251(satellite.rowTexts.name));
}

void EditCommands::renameSatelliteEntries(int entry, const QString &name)
{
    m.transponders.selector()->setEntryText(entry, name);
    m.tv.selector()->setItemText(entry, name);
    m.radio.selector()->setItemText(entry, name);
}

void EditCommands::addTransponder()
{
    const int entry = m.transponders.selector()->currentIndex();
    if (entry < 1 || std::size_t(entry) > m.database.satellites.size())
        return;
    m_transponderDialog->setCaption(QStringLiteral("Добавление транспондера"));
    if (!m.dialogs.runDialog(*m_transponderDialog))
        return;

    const TransponderForm form = m_transponderDialog->form();
    const char *missing = form.polarisation < 0 ? kNoPolarisation
                          : form.fec < 0        ? kNoFec
                          : form.frequency.isEmpty() ? kNoFrequency
                          : form.rate.isEmpty()      ? kNoRate
                                                     : nullptr;
    if (missing)
        return tell(QString::fromUtf8(missing));
    TransponderValues values;
    if (!attempt([&] { values = transponderValuesOf(form); }))
        return;
    if (!hasRoomFor(m.database, 1, 0))
        return tell(QString::fromUtf8(kNoRoomForTransponder));

    Transponder transponder;
    applyTransponderValues(transponder, values);
    const int index = m.database.appendTransponder(entry - 1, transponder);
    if (index < 0)
        return tell(QString::fromUtf8(kNoRoomForTransponder));
    const auto number = int(m.database.satellites[std::size_t(entry - 1)].transponderIndices.size());
    const int row = m.transponders.appendTransponderRow(m.database.transponders[std::size_t(index)], number);
    m.transponders.list()->selectOnly(row);
    m.transponders.list()->scrollTo(m.transponders.list()->model()->index(row, 0));
    m.updateStatusBar();
}

void EditCommands::editTransponder()
{
    ReportList &list = *m.transponders.list();
    const int row = list.firstSelectedRow();
    const int index = row < 0 ? -1 : m.transponders.transponderIndexOfRow(m.database, row);
    if (index < 0)
        return;

    TransponderForm shown;
    shown.polarisation = list.text(row, 1) == QLatin1String("H") ? 0 : 1;
    shown.frequency = list.text(row, 2);
    shown.rate = list.text(row, 3);
    shown.fec = fecIndexOf(list.text(row, 4));
    m_transponderDialog->setCaption(QStringLiteral("Редактирование транспондера"));
    m_transponderDialog->load(shown);
    if (!m.dialogs.runDialog(*m_transponderDialog))
        return;

    TransponderValues values;
    if (!attempt([&] { values = transponderValuesOf(m_transponderDialog->form()); }))
        return;
    Transponder &transponder = m.database.transponders[std::size_t(index)];
    applyTransponderValues(transponder, values);
    m.transponders.showTransponder(row, transponder);
}

void EditCommands::addChannel(ChannelKind kind)
{
    ChannelPage &page = pageOf(kind);
    const int entry = page.selector()->currentIndex();
    if (entry < 1 || std::size_t(entry) > m.database.satellites.size())
        return;
    const Satellite &satellite = m.database.satellites[std::size_t(entry - 1)];
    m_channelAddDialog->setTransponders(transponderEntries(m.database, entry - 1));
    if (!m.dialogs.runDialog(*m_channelAddDialog))
        return;

    const ChannelForm form = m_channelAddDialog->form();
    if (anyEmpty(form))
        return tell(QString::fromUtf8(kFillEveryField));
    if (form.transponder < 0 || std::size_t(form.transponder) >= satellite.transponderIndices.size())
        return tell(QString::fromUtf8(kChooseTransponder));
    ChannelValues values;
    if (!attempt([&] { values = channelValuesOf(form); }))
        return;
    const std::size_t ordered = kind == ChannelKind::Tv ? m.database.tvOrder.size() : m.database.radioOrder.size();
    if (ordered >= std::size_t(kOrderCapacity))
        return tell(QString::fromUtf8(kOrderFull).arg(kOrderCapacity));
    if (!hasRoomFor(m.database, 0, 1))
        return tell(QString::fromUtf8(kNoRoomForChannel));

    Channel channel;
    channel.tpNumber = std::uint16_t(satellite.transponderIndices[std::size_t(form.transponder)] + 1);
    applyChannelValues(channel, values);
    channel.setServiceType(kind == ChannelKind::Tv ? ServiceType::Tv : ServiceType::Radio);
    if (!form.freeToAir)
        channel.chFlags |= ChannelFlag::Scrambled;
    const int wronglyTyped =
        kind == ChannelKind::Tv ? m.database.appendTvChannel(channel) : m.database.appendRadioChannel(channel);
    if (wronglyTyped > 0)
        tell(QString::fromUtf8(kChannelTypeError));
    kind == ChannelKind::Tv ? m.refillTv() : m.refillRadio();
}

void EditCommands::editChannel(ChannelKind kind)
{
    ChannelPage &page = pageOf(kind);
    const int row = page.list()->firstSelectedRow();
    const int index = row < 0 ? -1 : page.channelIndexOfRow(m.database, row);
    if (index < 0)
        return;
    Channel &channel = m.database.channels[std::size_t(index)];
    m_channelEditDialog->load(channelFormOf(channel));
    if (!m.dialogs.runDialog(*m_channelEditDialog))
        return;

    ChannelValues values;
    if (!attempt([&] { values = channelValuesOf(m_channelEditDialog->form()); }))
        return;
    applyChannelValues(channel, values);
    page.list()->rows().setText(row, 1, fromWindows1251(channel.nameText()));
}

} // namespace k510::ui
