// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small satellites.xml lists and the check that an updated image is sound,
// for the tests of reading lists and of planning updates from them.

#include <QByteArray>

#include "model/ChannelDatabase.h"
#include "model/ImageCheck.h"
#include "model/ImageWriter.h"

namespace listFixtures {

using k510::ChannelDatabase;

// A list of one satellite, Hot Bird, holding the transponder elements given.
inline QByteArray listOf(const QByteArray &transponders, const QByteArray &position = "130")
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<satellites>\n<sat name=\"Hot Bird (13.0E)\" flags=\"0\" position=\""
           + position + "\">\n" + transponders + "\n</sat>\n</satellites>\n";
}

// Whether the database writes an image that check finds sound.
inline bool imageChecks(const ChannelDatabase &db)
{
    const k510::WriteResult written = k510::writeImage(db);
    return written.ok() && k510::checkImage(written.image).problems.empty() && k510::numberingProblems(db).empty();
}

} // namespace listFixtures
