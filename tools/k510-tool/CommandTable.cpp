// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandTable.h"

#include "CsvCommand.h"
#include "EditCommands.h"
#include "FileCommands.h"
#include "FindCommand.h"
#include "HistoryCommand.h"
#include "ImportCommand.h"
#include "ReferenceCommands.h"
#include "RenameCommand.h"
#include "RepairCommand.h"
#include "SelectionCommands.h"
#include "TransferCommands.h"
#include "TransponderListCommand.h"

namespace {

std::vector<ToolCommand> commands()
{
    const QCommandLineOption tvList = valueOption("tv", "LIST");
    const QCommandLineOption radioList = valueOption("radio", "LIST");
    const QCommandLineOption transponderList = valueOption("transponder", "LIST");
    return {
        {"info", "FILE", "counts of the database in FILE", {}, 1, {}, {}, Failure, runInfo},
        {"dump", "FILE", "the whole database as JSON", {}, 1, {}, {}, Failure, runDump},
        {"check", "FILE", "every break of the numbering scheme (exit 1 if any)", {}, 1, {}, {}, Failure, runCheck},
        {"normalize", "IN OUT", "write IN again in the canonical layout", {}, 2, {}, {}, Failure, runNormalize},
        {"repair", "IN OUT", "write IN with its numbering repaired; prints each change", {}, 2, {}, {}, Failure,
         runRepair},
        {"demo", "FILE", "write the demo database to FILE", {}, 1, {}, {}, Failure, runDemo},
        {"delete", "IN OUT [--tv LIST] [--radio LIST] [--transponder LIST]",
         "delete TV channels, radio channels (radio numbers) and transponders\n"
         "with their channels, numbered as dump numbers them in IN; LIST: 3,5,10-12",
         {tvList, radioList, transponderList}, 2, {}, {}, Failure, runDelete},
        {"purge", "IN OUT (--tv | --radio | --all) [--satellite N]",
         "delete every channel of the kind (of satellite N) in no favourite group",
         {switchOption("tv"), switchOption("radio"), switchOption("all"), valueOption("satellite", "N")}, 2, {}, {},
         Failure, runPurge},
        {"csv", "FILE [--radio | --transponders] [--separator ,|;|tab] [--output OUT]",
         "the TV (radio) channel list in the user's order as CSV, UTF-8 with BOM,\n"
         "on stdout, or written to OUT as a save writes; fields parted by \",\"\n"
         "(\";\" suits spreadsheets that write decimals with a comma); --transponders:\n"
         "every transponder (satellite, polarisation, frequency, symbol rate, FEC)",
         {switchOption("radio"), switchOption("transponders"), valueOption("output", "OUT"),
          QCommandLineOption(QStringLiteral("separator"), QString(), QStringLiteral("SEPARATOR"), QStringLiteral(","))},
         1, {}, {{"radio", "transponders"}}, Failure, runCsv},
        {"apply-order", "REF IN OUT [--keep-favourites] [--radio-csv] [--list]",
         "order IN's channels after REF, an image or a CSV list the editor exported\n"
         "(a TV list; --radio-csv: a radio list), and take REF's favourite groups;\n"
         "prints the summary, with --list every new channel and every channel of REF\n"
         "without partner; writes nothing (exit 1) when not one channel of REF is in IN",
         {switchOption("keep-favourites"), switchOption("radio-csv"), switchOption("list")}, 3, {}, {}, Failure,
         runApplyOrder},
        {"find",
         "FILE [--radio] [--name TEXT] [--satellite N] [--transponder N] [--scrambled | --free]\n"
         "[--locked | --unlocked] [--in-group G | --in-any-group | --in-no-group] [--duplicates]",
         "the TV (radio) channels that meet every condition given, as delete's LIST takes\n"
         "them; nothing and exit 1 when none. --name: a part of the name, letter case\n"
         "ignored; --satellite and --transponder as dump numbers them; --in-group G: in\n"
         "favourite group G (1..12); --duplicates: the copies duplicates lists",
         {switchOption("radio"), valueOption("name", "TEXT"), valueOption("satellite", "N"),
          valueOption("transponder", "N"), switchOption("scrambled"), switchOption("free"), switchOption("locked"),
          switchOption("unlocked"), valueOption("in-group", "G"), switchOption("in-any-group"),
          switchOption("in-no-group"), switchOption("duplicates")},
         1, {}, {{"scrambled", "free"}, {"locked", "unlocked"}, {"in-group", "in-any-group", "in-no-group"}},
         NotAnImage, runFind},
        {"lock", "IN OUT [--tv LIST] [--radio LIST]",
         "lock the channels (the receiver asks for its PIN before showing them)", {tvList, radioList}, 2, {}, {},
         Failure, runLock},
        {"unlock", "IN OUT [--tv LIST] [--radio LIST]", "unlock the channels", {tvList, radioList}, 2, {}, {}, Failure,
         runUnlock},
        {"mark", "IN OUT [--tv LIST] [--radio LIST] (--scrambled | --free)",
         "mark the channels as scrambled or as free to air (the FTA column)",
         {tvList, radioList, switchOption("scrambled"), switchOption("free")}, 2, {}, {{"scrambled", "free"}}, Failure,
         runMark},
        {"favourites", "IN OUT (--tv-group G | --radio-group G) (--add LIST | --remove LIST)",
         "add the channels to favourite group G (1..12) after its entries, skipping those\n"
         "it holds, or take them out of it; refused whole when the group would hold more\n"
         "than 80",
         {valueOption("tv-group", "G"), valueOption("radio-group", "G"), valueOption("add", "LIST"),
          valueOption("remove", "LIST")},
         2, {}, {{"tv-group", "radio-group"}, {"add", "remove"}}, Failure, runFavourites},
        {"rename",
         "IN OUT [--tv LIST] [--radio LIST] [--replace FROM=TO] [--ignore-case]\n"
         "[--prefix X | --remove-prefix X] [--suffix X | --remove-suffix X]\n[--trim] [--upper | --lower]",
         "rename the channels by one rule, in this order: every FROM replaced by TO, the\n"
         "prefix and the suffix removed, then added, blanks trimmed, letter case changed\n"
         "(--ignore-case: FROM and the prefix and suffix removed match either case);\n"
         "prints each new name; refused whole when the receiver cannot hold one (more\n"
         "than 16 bytes, a character it cannot show, empty)",
         {tvList, radioList, valueOption("replace", "FROM=TO"), switchOption("ignore-case"), valueOption("prefix", "X"),
          valueOption("remove-prefix", "X"), valueOption("suffix", "X"), valueOption("remove-suffix", "X"),
          switchOption("trim"), switchOption("upper"), switchOption("lower")},
         2, {}, {{"prefix", "remove-prefix"}, {"suffix", "remove-suffix"}, {"upper", "lower"}}, Failure, runRename},
        {"duplicates", "FILE [--tv] [--radio] [--names]",
         "copies: channels repeating one before them in the order (same transponder and\n"
         "service ID), as delete's --tv and --radio take them; --names: instead the\n"
         "channels that only share transponder and name with one before them (most\n"
         "often regional variants, each a service of its own)",
         {switchOption("tv"), switchOption("radio"), switchOption("names")}, 1, {}, {}, Failure, runDuplicates},
        {"diff", "A B [--json]",
         "what changed from A to B, channels recognised across a rescan, each named by\n"
         "its place in the list as the window numbers rows and by its channel number as\n"
         "dump numbers them: \"№ 11 (канал 3753)\"; exit 0 when equal, 1 when different",
         {switchOption("json")}, 2, {}, {}, NotAnImage, runDiff},
        {"transponders-from", "XML IN OUT --position TENTHS --satellite NAME [--update] [--other-position]",
         "add to IN's satellite NAME the DVB-S transponders that the satellites.xml\n"
         "list XML has at TENTHS of a degree (130 is 13.0E, -50 is 5.0W) and IN lacks\n"
         "(but for those under 1000 ks/s); --update also moves transponders whose\n"
         "frequency or symbol rate drifted; --other-position takes them onto a NAME\n"
         "that stands at another position; prints the summary",
         {valueOption("position", "TENTHS"), valueOption("satellite", "NAME"), switchOption("update"),
          switchOption("other-position")},
         3, {"position", "satellite"}, {}, Failure, runTranspondersFrom},
        {"import",
         "SRC IN OUT [--satellite SRC_NAME=IN_NAME ...] [--tv LIST] [--radio LIST] [--tv-places LIST]\n"
         "[--radio-places LIST] [--transponder LIST] [--after N] [--update-transponders]",
         "copy channels of SRC into IN: --tv and --radio by channel number as dump numbers\n"
         "them in SRC, --tv-places and --radio-places by place in SRC's list as the window\n"
         "numbers its rows, --transponder: every channel on it; no list: every channel.\n"
         "Onto IN's same transponder (polarisation, frequency within 2 MHz, symbol rate) or\n"
         "a copy of SRC's; channels IN has already skipped. The summary lists IN's\n"
         "transponders at SRC's frequency with another symbol rate or FEC;\n"
         "--update-transponders gives them SRC's values and the channels. Satellites\n"
         "matched by name, else by a position unique on both sides, unless --satellite says\n"
         "(IN_NAME empty: not added); --after N: after place N (0 to the list's length) of\n"
         "the list the one list option names, not at its end; prints the summary before\n"
         "writing; writes nothing (exit 1) when the channels do not fit IN",
         {valueOption("satellite", "SRC_NAME=IN_NAME"), tvList, radioList, valueOption("tv-places", "LIST"),
          valueOption("radio-places", "LIST"), transponderList, valueOption("after", "N"),
          switchOption("update-transponders")},
         3, {}, {}, Failure, runImport},
        {"send", "FILE", "load FILE into the receiver on --port [--speed] (--force: any file)", transferOptions(), 1,
         {}, {}, Failure, runSend},
        {"receive", "FILE", "fetch the receiver's database on --port [--speed] into FILE (--force: blocks unchecked)",
         transferOptions(), 1, {}, {}, Failure, runReceive},
        {"verify", "FILE --port NAME [--speed N]",
         "fetch the receiver's database and compare FILE with it, as diff FILE RECEIVED:\n"
         "\"identical\" and exit 0, the differences and exit 1, exit 2 when the transfer fails",
         transferOptions(), 1, {}, {}, NotAnImage, runVerify},
        {"history", "[--json]",
         "the copies of every transfer (kept by send, receive, verify and the editor),\n"
         "newest first, with their counts and the file the editor had open",
         {switchOption("json")}, 0, {}, {}, Failure, runHistory},
        {"ports", "", "the serial ports --port takes, each with its device", {}, 0, {}, {}, Failure, runPorts},
    };
}

} // namespace

ToolDescription k510Tool()
{
    return {
        QStringLiteral("Channel database tool for Tessora K-510/560/565 receivers."),
        QStringLiteral("Exit status:\n"
                       "  0  success\n"
                       "  1  failure; check: the numbering scheme is broken; diff: A and B differ;\n"
                       "     find: no channel meets the conditions;\n"
                       "     verify: the receiver holds another database than FILE\n"
                       "  2  FILE cannot be read (missing, no plain file, far too large);\n"
                       "     check: FILE is no database image;\n"
                       "     send: FILE is no database image and --force is not given;\n"
                       "     apply-order, duplicates, import: an input is no image (REF: nor a CSV list);\n"
                       "     transponders-from: XML is no satellites.xml list or IN no image;\n"
                       "     diff, find, verify: any failure (verify: also a failed transfer)\n"
                       "\nExamples:\n"
                       "  $ k510-tool demo demo.k5d\n"
                       "  $ k510-tool info demo.k5d\n"
                       "  $ k510-tool ports\n"
                       "  $ k510-tool send demo.k5d --port ttyUSB0\n"
                       "  $ k510-tool verify demo.k5d --port ttyUSB0\n"
                       "  $ k510-tool apply-order before-rescan.k5d rescanned.k5d ordered.k5d\n"
                       "  $ k510-tool delete ordered.k5d clean.k5d $(k510-tool duplicates ordered.k5d)\n"
                       "  $ k510-tool lock clean.k5d locked.k5d --tv $(k510-tool find clean.k5d --name xxx)"),
        commands(),
    };
}
