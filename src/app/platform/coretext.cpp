#include "app/platform/coretext.h"

#include <QCoreApplication>
#include <QStringList>
#include <vector>

namespace tolva {
namespace {

struct Pattern {
    const char* context;  // the core's subsystem
    const char* english;  // the message as the core words it, its parts %1, %2, ...
};

// A subsystem's pattern is listed before a shorter one it would also match ("cannot read %1: the
// file is empty" is "cannot read %1: %2" with a reason, and the reason is listed on its own).
const Pattern kPatterns[] = {
    // Files
    {"Files", QT_TRANSLATE_NOOP("Files", "cannot open %1: %2")},
    {"Files", QT_TRANSLATE_NOOP("Files", "cannot read %1: %2")},
    {"Files", QT_TRANSLATE_NOOP("Files", "cannot write %1: cannot create a temporary file in %2: %3")},
    {"Files", QT_TRANSLATE_NOOP("Files", "cannot write %1: %2")},
    {"Files", QT_TRANSLATE_NOOP("Files", "the file is empty")},
    {"Files", QT_TRANSLATE_NOOP("Files", "no such file")},
    {"Files", QT_TRANSLATE_NOOP("Files", "it is not a regular file")},
    {"Files", QT_TRANSLATE_NOOP("Files", "not a regular file")},
    {"Files", QT_TRANSLATE_NOOP("Files", "the file is larger than %1")},
    {"Files", QT_TRANSLATE_NOOP("Files", "No such file or directory")},
    {"Files", QT_TRANSLATE_NOOP("Files", "Permission denied")},
    {"Files", QT_TRANSLATE_NOOP("Files", "No space left on device")},
    {"Files", QT_TRANSLATE_NOOP("Files", "Is a directory")},
    {"Files", QT_TRANSLATE_NOOP("Files", "Read-only file system")},
    // Database
    {"Database", QT_TRANSLATE_NOOP("Database", "cannot add the entry to %1: %2")},
    {"Database", QT_TRANSLATE_NOOP("Database", "cannot add the entries to %1: %2")},
    {"Database", QT_TRANSLATE_NOOP("Database", "cannot change the entry in %1: %2")},
    {"Database", QT_TRANSLATE_NOOP("Database", "cannot remove the entry from %1: %2")},
    {"Database", QT_TRANSLATE_NOOP("Database", "cannot change an entry of %1: no game is selected")},
    {"Database", QT_TRANSLATE_NOOP("Database", "cannot remove an entry from %1: no game is selected")},
    {"Database", QT_TRANSLATE_NOOP("Database", "cannot read the first line of %1: the file is empty")},
    {"Database", QT_TRANSLATE_NOOP("Database", "Cannot remove the game from %1: %2")},
    {"Database", QT_TRANSLATE_NOOP("Database", "Cannot add or change a game in %1: %2")},
    {"Database", QT_TRANSLATE_NOOP("Database", "%1; the file was left unchanged")},
    {"Database", QT_TRANSLATE_NOOP("Database", "it was not read whole when last loaded (more than %1 entries, or a read error), and writing now could lose what was not read")},
    {"Database", QT_TRANSLATE_NOOP("Database", "the file has %1 lines, more than the %2 a change can hold")},
    {"Database", QT_TRANSLATE_NOOP("Database", "the entry with the disc ID %1 cannot be told apart safely: it or an entry before it does not have exactly one Title line (Clean Up writes every entry so again)")},
    {"Database", QT_TRANSLATE_NOOP("Database", "the entry with the disc ID %1 cannot be told apart safely: it or an entry before it does not have exactly one Flags line (Clean Up writes every entry so again)")},
    {"Database", QT_TRANSLATE_NOOP("Database", "the entry with the disc ID %1 titled \"%2\" is no longer in the file as it was loaded")},
    {"Database", QT_TRANSLATE_NOOP("Database", "%1 holds more than %2 records: the records after the %3th are left out")},
    {"Database", QT_TRANSLATE_NOOP("Database", "no active entry has the disc ID %1")},
    {"Database", QT_TRANSLATE_NOOP("Database", "the disc ID contains a line break")},
    {"Database", QT_TRANSLATE_NOOP("Database", "the title contains a line break")},
    {"Database", QT_TRANSLATE_NOOP("Database", "the flags word contains a line break")},
    {"Database", QT_TRANSLATE_NOOP("Database", "Title")},
    {"Database", QT_TRANSLATE_NOOP("Database", "Disc ID")},
    {"Database", QT_TRANSLATE_NOOP("Database", "Status")},
    {"Database", QT_TRANSLATE_NOOP("Database", "Product Code")},
    {"Database", QT_TRANSLATE_NOOP("Database", "Publisher")},
    {"Database", QT_TRANSLATE_NOOP("Database", "Region")},
    {"Database", QT_TRANSLATE_NOOP("Database", "Genre")},
    {"Database", QT_TRANSLATE_NOOP("Database", "Direct3D")},
    {"Database", QT_TRANSLATE_NOOP("Database", "Details")},
    {"Database", QT_TRANSLATE_NOOP("Database", "Yes")},
    {"Database", QT_TRANSLATE_NOOP("Database", "No")},
    {"Database", QT_TRANSLATE_NOOP("Database", "Partial")},
    {"Database", QT_TRANSLATE_NOOP("Database", "Not Yet")},
    // History
    {"History", QT_TRANSLATE_NOOP("History", "cannot keep the previous version, so the change could not be taken back: %1")},
    {"History", QT_TRANSLATE_NOOP("History", "cannot create the folder %1: %2")},
    {"History", QT_TRANSLATE_NOOP("History", "cannot put the earlier version back into %1: %2")},
    // Tools
    {"Tools", QT_TRANSLATE_NOOP("Tools", "cannot clean up %1: %2")},
    {"Tools", QT_TRANSLATE_NOOP("Tools", "cannot disable the entries in %1: %2")},
    {"Tools", QT_TRANSLATE_NOOP("Tools", "another program has changed it since it was last read")},
    // Wizard
    {"Wizard", QT_TRANSLATE_NOOP("Wizard", "This digit code is already used by another game\r\n\r\n%1")},
    {"Wizard", QT_TRANSLATE_NOOP("Wizard", "Tolva! wasn't able to find a DiscID for this cd.\r\nPlease get the ID using bleem! and mail it, together with the region code (%1), to us.")},
    {"Wizard", QT_TRANSLATE_NOOP("Wizard", "the file holds no BOOT line")},
    {"Wizard", QT_TRANSLATE_NOOP("Wizard", "the disc image is damaged or cut short")},
    {"Wizard", QT_TRANSLATE_NOOP("Wizard", "the drive holds no disc, or it cannot be read")},
    {"Wizard", QT_TRANSLATE_NOOP("Wizard", "it is no disc image and no drive")},
    {"Wizard", QT_TRANSLATE_NOOP("Wizard", "the file is empty, so it is no disc image")},
    {"Wizard", QT_TRANSLATE_NOOP("Wizard", "the CUE sheet names no data track")},
    {"Wizard", QT_TRANSLATE_NOOP("Wizard", "its first track holds no data")},
    {"Wizard", QT_TRANSLATE_NOOP("Wizard", "the file is too large to be a boot file")},
    {"Wizard", QT_TRANSLATE_NOOP("Wizard", "This means that the game runs as good as on a real playstation or even better.")},
    {"Wizard", QT_TRANSLATE_NOOP("Wizard", "The game has small graphics errors, e.g. translucency problems, corrupt loading/title screens etc.")},
    {"Wizard", QT_TRANSLATE_NOOP("Wizard", "The game has graphics problems running in D3D, e.g. menus or parts of the screen don't display, parts of the screen are flickering, screens don't update etc.")},
    {"Wizard", QT_TRANSLATE_NOOP("Wizard", "The game has small sound errors, e.g. muffled sound, low sounds, distorted speech/sound, etc.")},
    {"Wizard", QT_TRANSLATE_NOOP("Wizard", "The game has sound errors, e.g. real choppy MDEC sound, missing or cut off sounds, etc.")},
    {"Wizard", QT_TRANSLATE_NOOP("Wizard", "The memory card function will be disabled")},
    {"Wizard", QT_TRANSLATE_NOOP("Wizard", "Movies skip automatically.")},
    {"Wizard", QT_TRANSLATE_NOOP("Wizard", "Since a PC CD-Rom is much faster than the one a PSX uses, some games may experience problems because the data got transferred too fast.")},
    {"Wizard", QT_TRANSLATE_NOOP("Wizard", "Please rate the graphic quality of this game using bleem! :")},
    {"Wizard", QT_TRANSLATE_NOOP("Wizard", "Attention : Any Major graphics problems will usually make the game fail, you shouldn't rate this game as compatible.")},
    {"Wizard", QT_TRANSLATE_NOOP("Wizard", "Please rate the sound quality of this game using bleem! :")},
    {"Wizard", QT_TRANSLATE_NOOP("Wizard", "Does this game support the memory cards ?")},
    {"Wizard", QT_TRANSLATE_NOOP("Wizard", "MDEC and CD-ROM Problems")},
    {"Wizard", QT_TRANSLATE_NOOP("Wizard", "When bleem! crashes during a movie, choose one of the following options :")},
    // Update
    {"Update", QT_TRANSLATE_NOOP("Update", " Can't connect")},
    {"Update", QT_TRANSLATE_NOOP("Update", " Online Update")},
    {"Update", QT_TRANSLATE_NOOP("Update", " - No update available")},
    {"Update", QT_TRANSLATE_NOOP("Update", " Update - Wrong file version")},
    {"Update", QT_TRANSLATE_NOOP("Update", "tolva! failed to connect to the server.\n\nPlease establish a internet connection first, before you run tolva! Online Update. When you have any further problems, please check your modem and internet settings.")},
    {"Update", QT_TRANSLATE_NOOP("Update", "The update on the server holds more than %1, more than tolva! can take.\n\nNothing was changed.")},
    {"Update", QT_TRANSLATE_NOOP("Update", "You're already using the latest ini update.")},
    {"Update", QT_TRANSLATE_NOOP("Update", "Your ini file doesn't match with the current version on the server.\nPlease check if a new bleem! version is avaible\nYour version :%1\nThe version on the server :%2\n")},
    {"Update", QT_TRANSLATE_NOOP("Update", "We are not responsible for any incorrect information; all information is directly coming from bleem!, inc. or sent to us by tolva! users via the 'Mail to tolva!' function. However, if you find an entry to be incorrect, please send us a corrected entry.\nThank you for your support.")},
    {"Update", QT_TRANSLATE_NOOP("Update", "The update was cancelled. Nothing was changed.")},
    {"Update", QT_TRANSLATE_NOOP("Update", "While processing the ini-update an error occured.\n\nSource : %1\nDescription : %2")},
    {"Update", QT_TRANSLATE_NOOP("Update", "Your bleem!.ini cannot be updated: %1.\n\nThe update was not started; nothing was changed.")},
    {"Update", QT_TRANSLATE_NOOP("Update", "Your bleem!.ini holds %1 entries; adding the %2 marked entries would take it beyond the %3 entries tolva! can read.\n\nPlease mark at most %4 entries. Nothing was written.")},
    {"Update", QT_TRANSLATE_NOOP("Update", "%1 (Yes!)")},
    {"Update", QT_TRANSLATE_NOOP("Update", "%1 (Not Yet)")},
    {"Update", QT_TRANSLATE_NOOP("Update", "%1 (Partially)")},
    {"Update", QT_TRANSLATE_NOOP("Update", "the download was cancelled")},
    {"Update", QT_TRANSLATE_NOOP("Update", "no answer from the server for %1")},
    {"Update", QT_TRANSLATE_NOOP("Update", "the server answered \"%1\"")},
    {"Update", QT_TRANSLATE_NOOP("Update", "the server sent the update to %1, which is not an http address")},
    {"Update", QT_TRANSLATE_NOOP("Update", "the server sent the update elsewhere more than %1 times")},
    {"Update", QT_TRANSLATE_NOOP("Update", "the server took longer than %1 to send the update")},
    {"Update", QT_TRANSLATE_NOOP("Update", "the server sent more than %1 bytes, more than an update can be")},
    {"Update", QT_TRANSLATE_NOOP("Update", "the file holds more than %1 bytes, more than an update can be")},
    {"Update", QT_TRANSLATE_NOOP("Update", "the server announced two different Content-Length values")},
    {"Update", QT_TRANSLATE_NOOP("Update", "a chunk of the server's reply is longer than its size says")},
    {"Update", QT_TRANSLATE_NOOP("Update", "the server closed the connection before the last chunk of its reply")},
    {"Update", QT_TRANSLATE_NOOP("Update", "the server closed the connection before its response header ended")},
    {"Update", QT_TRANSLATE_NOOP("Update", "the server closed the connection")},
    // Mail
    {"Mail", QT_TRANSLATE_NOOP("Mail", "Connecting to the Mail Server ...")},
    {"Mail", QT_TRANSLATE_NOOP("Mail", "Error sending mail...")},
    {"Mail", QT_TRANSLATE_NOOP("Mail", "Sending cancelled...")},
    {"Mail", QT_TRANSLATE_NOOP("Mail", "Waiting for the server's reply...")},
    {"Mail", QT_TRANSLATE_NOOP("Mail", "Mail Server is ready...")},
    {"Mail", QT_TRANSLATE_NOOP("Mail", "Sending Rset to server...")},
    {"Mail", QT_TRANSLATE_NOOP("Mail", "Sending FROM command...")},
    {"Mail", QT_TRANSLATE_NOOP("Mail", "Sending RCPT command...")},
    {"Mail", QT_TRANSLATE_NOOP("Mail", "Sending DATA command...")},
    {"Mail", QT_TRANSLATE_NOOP("Mail", "Sending Quit command to disconnecting from mail server...")},
    {"Mail", QT_TRANSLATE_NOOP("Mail", "Disconnected from mail server after error...")},
    {"Mail", QT_TRANSLATE_NOOP("Mail", "Disconnected from mail server...")},
    {"Mail", QT_TRANSLATE_NOOP("Mail", "the server's reply runs beyond %1 bytes")},
    {"Mail", QT_TRANSLATE_NOOP("Mail", "the server asked for the message a second time")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Alternate Display Mode on")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Enable Frame Skip off")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Alternate Display Mode : On in Software Mode, Off in D3D")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Frame Skip : Off in Software Mode / On in D3D")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "No problems")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Must Skip opening MDEC's")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Some Videos may not play - to skip them, press START and/or X")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Opening MDEC's do not display")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Some Video Sequences do not display")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Some CD-ROM drives may not be able to play this game.")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Some CDROM/DVDROM Units are incompatible with this game")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "No problems, load and save works properly")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Can Load but not Save")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Game Saves can be loaded, but not saved")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Can Save but not Load")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Game Saves can be saved, but not loaded")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Cannot Save or Load")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Memory Cards will automatically be disabled to operate")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Some parts can save and load, but not other parts")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Game Saves can be loaded and saved for some game functions only")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Perfect sound, no errors")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Sound is missing")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "No sound effects and/or music will be heard")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Minor Sound Problems")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Some sound effects and/or music may exhibit minor flaws")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Major Sound Problems")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Some sound effects and/or music may exhibit flaws (Major Sound Problems)")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Repeating sound")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Some sound effects and/or music may exhibit flaws (Repeating sound)")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Minor choppiness")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Some sound effects and/or music may exhibit flaws (Minor choppiness)")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Major choppiness")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Some sound effects and/or music may exhibit flaws (Major choppiness)")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Perfect display, no errors")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Minor Graphics Problems")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Some graphics may exhibit minor flaws")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "D3D Graphical Problems")},
    {"Flags", QT_TRANSLATE_NOOP("Flags", "Direct3D Enhancements may exhibit some flaws")},
    // Amounts, last: they end many a longer message listed above.
    {"Files", QT_TRANSLATE_NOOP("Files", "%1 MB")},
    {"Files", QT_TRANSLATE_NOOP("Files", "%1 bytes")},
    {"Update", QT_TRANSLATE_NOOP("Update", "%1 seconds")},
    {"Update", QT_TRANSLATE_NOOP("Update", "%1 milliseconds")},
};

// A pattern's literal pieces around its places and the places' numbers: "cannot open %1: %2" is
// "cannot open ", ": ", "" with 1 and 2. Matched by hand, not by regular expressions: compiling a
// hundred of them cost the first details shown at start-up several milliseconds.
struct Split {
    QStringList pieces;
    QList<int> places;
};

Split SplitPattern(const QString& pattern) {
    Split split;
    qsizetype from = 0;
    for (qsizetype at = 0; at + 1 < pattern.size(); ++at) {
        if (pattern[at] != u'%' || !pattern[at + 1].isDigit()) continue;
        split.pieces << pattern.mid(from, at - from);
        split.places << pattern[at + 1].digitValue();
        from = at + 2;
        ++at;
    }
    split.pieces << pattern.mid(from);
    return split;
}

// Whether text from `from` on matches pieces[k...], each part between two pieces as short as the
// rest allows (the first such match, as a lazy expression anchored at both ends finds it); the
// parts' spans are appended to parts.
bool MatchFrom(QStringView text, qsizetype from, const QStringList& pieces, qsizetype k, QList<QStringView>& parts) {
    if (k + 1 == pieces.size()) return text.size() - from == pieces[k].size() && text.sliced(from).startsWith(pieces[k]);
    if (!text.sliced(from).startsWith(pieces[k])) return false;
    const qsizetype start = from + pieces[k].size();
    for (qsizetype end = start; end <= text.size(); ++end) {
        parts.push_back(text.sliced(start, end - start));
        if (MatchFrom(text, end, pieces, k + 1, parts)) return true;
        parts.pop_back();
    }
    return false;
}

}  // namespace

QString CoreText(const QString& english) {
    static const std::vector<QStringList> patterns = [] {
        std::vector<QStringList> all;
        for (const Pattern& pattern : kPatterns) all.push_back(SplitPattern(QString::fromUtf8(pattern.english)).pieces);
        return all;
    }();
    for (std::size_t k = 0; k < patterns.size(); ++k) {
        QList<QStringView> parts;
        if (!MatchFrom(english, 0, patterns[k], 0, parts)) continue;
        // The parts go in at once, so that a part holding "%1" is never taken for a place.
        const Split translated = SplitPattern(QCoreApplication::translate(kPatterns[k].context, kPatterns[k].english));
        QString text = translated.pieces[0];
        for (qsizetype p = 0; p < translated.places.size(); ++p) {
            const int n = translated.places[p];
            text += CoreText(n == 0 ? english : n <= parts.size() ? parts[n - 1].toString() : QString());
            text += translated.pieces[p + 1];
        }
        return text;
    }
    return english;
}

}  // namespace tolva
