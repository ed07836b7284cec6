// Disc images read through libcdio: each kind built here from a folder holding a SYSTEM.CNF
// (xorriso for ISO 9660, scripts/mkbincue.py for the raw sectors and the CUE sheets, NRG files
// here), each with another form of BOOT line, read through --identify and through page 2 of the
// wizard, by the program itself as their reader; damaged inputs are named in their messages, and
// a reader that fails is replaced.
#include <algorithm>
#include <filesystem>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeData>
#include <QProgressBar>
#include <QTableView>
#include <QtEndian>
#include <QStandardPaths>
#include <QTextStream>

#include "app/collection/disccollectionform.h"
#include "app/platform/discimage.h"
#include "app/platform/imagechecks.h"
#include "app/platform/text.h"
#include "app/startup/identify.h"
#include "core/wizard/identity.h"
#include "support/window.h"

using namespace tolva;
using namespace tolva::test;

namespace {

const QByteArray kIni = "Version=2001\r\n\r\n" + Entry("0033330665", "Alpha", "80000000H") +
                       Entry("0000290548", "Beta (Disc 1)", "20000000H") + Entry("4294667405", "Beta (Disc 2)", "40000000H");
// Gamma is known to Compatibility.TXT alone, by its product code.
const QByteArray kGammaTxt = "No|Title|Publisher|Code|Region|Genre|Status|D3D|Details|\r\n|Gamma|Soft|SLES-01903|E|x|Yes!||fine|\r\n";
const char* const kAlphaIDs = "0033330665 0261992838 0969511290 2271434423";

struct Image {
    const char* file;        // the file the program is given
    const char* bootLine;    // in SYSTEM.CNF
    QStringList mkbincue;    // options of scripts/mkbincue.py; none: the ISO itself
    QString line;            // what --identify prints after the path
};

const QString kAlpha = QString("SLUS-00152\t%1\tAlpha\tbleem!.INI\tYes\t").arg(kAlphaIDs);
const QList<Image> kImages = {
    {"iso/game.iso", "BOOT = cdrom:\\SLUS_001.52;1", {}, kAlpha},
    {"mode2/game.cue", "  boot=cdrom:\\slps_009.82;1", {"--mode", "MODE2/2352"},
     "SLPS-00982\t0172831837\t\t\tnot in bleem!.INI\t"},
    {"mode1/game.cue", "BOOT2 = cdrom0:\\SLES_019.03;1", {"--mode", "MODE1/2048"},
     "SLES-01903\t0099269388\tGamma\tCompatibility.TXT\tnot in bleem!.INI\t"},
    {"multi/game.cue", "BOOT=cdrom:\\SCES_999.99;1", {"--audio", "2"}, "SCES-99999\t\t\t\tnot in bleem!.INI\t"},
    {"bare/game.bin", "TCB = 4\r\nBOOT = cdrom:\\SLUS_001.52;1", {"--no-cue"}, kAlpha},
    {"two/disc1.iso", "BOOT = cdrom:\\SLUS_000.10;1", {}, "SLUS-00010\t0000290548\tBeta (Disc 1)\tbleem!.INI\tPartial\t"},
    {"two/disc2.iso", "BOOT = cdrom:\\SLUS_003.70;1", {}, "SLUS-00370\t4294667405\tBeta (Disc 2)\tbleem!.INI\tNot Yet\t"},
};

// The disc collection's folder: every kind of disc once, as its rows read in the window and in
// --identify. Row by row: file, product code, disc IDs, title, source, status, reason.
const char* const kDamaged = "the disc image is damaged or cut short";
const QString kHeader = "File\tProduct Code\tDisc ID\tTitle\tSource\tStatus\tReason\n";
const QList<QStringList> kCollection = {
    {"a/b/alpha.iso", "SLUS-00152", kAlphaIDs, "Alpha", "bleem!.INI", "Yes", ""},
    {"beta/disc1.iso", "SLUS-00010", "0000290548", "Beta (Disc 1)", "bleem!.INI", "Partial", ""},
    {"beta/disc2.iso", "SLUS-00370", "4294667405", "Beta (Disc 2)", "bleem!.INI", "Not Yet", ""},
    {"cd/game.cue", "SLPS-00982", "0172831837", "", "", "not in bleem!.INI", ""},
    {"cut.iso", "", "", "", "", "", kDamaged},
    {"footer-offset-beyond.iso", "", "", "", "", "", kDamaged},
    {"footer-offset-inside.iso", "", "", "", "", "", kDamaged},
    {"game.chd", "", "", "", "", "", "CHD images cannot be read yet"},
    {"game.zip", "", "", "", "", "", "ZIP archives cannot be read yet"},
    {"gamma/game.cue", "SLES-01903", "0099269388", "Gamma", "Compatibility.TXT", "not in bleem!.INI", ""},
    {"root-name-past-sector.nrg", "", "", "", "", "", kDamaged},
    {"text.iso", "", "", "", "", "",
     "it holds no ISO 9660 file system, so it is no image of a game CD (the formats that work: ISO, BIN/CUE, NRG, or a "
     "bare BIN or IMG)"},
};

// The files of the reported faults: NRG footers whose chunks run past their list, and whose
// offset lies beyond the file.
const QStringList kReported = {"footer-offset-inside.iso", "footer-offset-beyond.iso", "root-name-past-sector.nrg"};

QByteArray BigEndian(quint64 value, int bytes) {
    QByteArray out;
    for (int k = bytes; k-- > 0;) out += char(value >> (8 * k));
    return out;
}
QByteArray Chunk(const QByteArray& id, const QByteArray& data) { return id + BigEndian(data.size(), 4) + data; }
const QByteArray kEnd = Chunk("END!", {});
// A track list of one track of that many bytes from the file's start, 32 or 64 bits wide; mode 3
// is Mode 2 in sectors of 2336 bytes.
// One entry of such a list: its offset in the file, its length, mode and first sector.
QByteArray EtnEntry(quint64 offset, quint64 length, int mode, int first, bool wide = false) {
    const int w = wide ? 8 : 4;
    return BigEndian(offset, w) + BigEndian(length, w) + BigEndian(mode, 4) + BigEndian(first, 4) + BigEndian(0, w);
}
QByteArray Etn(quint64 bytes, bool wide, int mode = 3, int firstSector = 0) {
    return Chunk(wide ? "ETN2" : "ETNF", EtnEntry(0, bytes, mode, firstSector, wide));
}
// The ISO's sectors as Nero keeps a PlayStation disc (2336 bytes each), the chunks, the footer.
QByteArray Nrg(const QByteArray& iso, const QByteArray& chunks, bool nero5 = false) {
    QByteArray body;
    for (qsizetype k = 0; k < iso.size(); k += 2048)
        body += QByteArray("\0\0\x08\0\0\0\x08\0", 8) + iso.mid(k, 2048).leftJustified(2048, '\0') + QByteArray(280, '\0');
    return body + chunks + (nero5 ? "NER5" + BigEndian(body.size(), 8) : "NERO" + BigEndian(body.size(), 4));
}

void Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
}

}  // namespace

class DiscImageTest : public QObject {
    Q_OBJECT

    LoadedMain run_{kIni, kGammaTxt};
    QMap<QString, QString> damaged_;  // file → what its message says

    QString path(const QString& relative) const { return run_.t.path("discs/" + relative); }

    int identify(const QStringList& discs, QString& out, QString& err, bool json = false, const QString& ini = {}) {
        QTextStream outStream(&out), errStream(&err);
        return IdentifyDiscs({discs, ini, {}, json}, run_.t.platform, outStream, errStream);
    }

    // The collection window (opened from the menu) after a whole scan of folder.
    QWidget* scan(const QString& folder) {
        run_.trigger("DiscCollectionMENU");
        QWidget* form = TopLevel("DiscCollectionFORM");
        Find<QLineEdit>(form, "FolderTEXT")->setText(folder);
        Click(form, "ScanBUTTON");
        return QTest::qWaitFor([&] { return Find(form, "ScanBUTTON")->isEnabled(); }, 60000) ? form : nullptr;
    }
    static QList<QStringList> rows(const QWidget* form) {
        const QAbstractItemModel* shown = Find<QTableView>(form, "DiscsTABLE")->model();
        QList<QStringList> cells;
        for (int r = 0; r < shown->rowCount(); ++r) {
            cells.append(QStringList());
            for (int c = 0; c < shown->columnCount(); ++c) cells.back() << shown->index(r, c).data().toString();
        }
        return cells;
    }

private Q_SLOTS:
    // /dev/cdrom linked to /dev/sr0 is one drive, offered by its real path.
    void aDriveWithTwoNamesIsOfferedOnce() {
        const QTemporaryDir dir;
        QFile(dir.filePath("sr0")).open(QIODevice::WriteOnly);
        QVERIFY(QFile::link(dir.filePath("sr0"), dir.filePath("cdrom")));
        const std::string sr0 = std::filesystem::canonical(dir.filePath("sr0").toStdString()).string();
        const std::string cdrom = dir.filePath("cdrom").toStdString(), gone = dir.filePath("sr9").toStdString();
        const char* const list[] = {cdrom.c_str(), sr0.c_str(), gone.c_str(), gone.c_str(), nullptr};
        QVERIFY(DistinctDrives(list) == (std::vector<std::string>{sr0, gone}));
        QVERIFY(DistinctDrives(nullptr).empty());
    }

    void initTestCase() {
        if (QStandardPaths::findExecutable("xorriso").isEmpty()) QSKIP("xorriso builds the images: scripts/install-deps");
        const QString mkbincue = QStringLiteral(TOLVA_FIXTURES "/../../scripts/mkbincue.py");
        for (const Image& image : kImages) {
            const QString folder = QFileInfo(path(image.file)).absolutePath();
            QDir().mkpath(folder);
            run_.t.write("discs/root/SYSTEM.CNF", QByteArray(image.bootLine) + "\r\n");
            run_.t.write("discs/root/SLUS_001.52", QByteArray(3000, 'x'));
            const QString iso = image.mkbincue.isEmpty() ? path(image.file) : folder + "/game.iso";
            Run("xorriso", {"-as", "mkisofs", "-quiet", "-o", iso, path("root")});
            if (!image.mkbincue.isEmpty()) Run("python3", QStringList{mkbincue, iso, folder + "/game.bin"} + image.mkbincue);
        }
        QByteArray iso = run_.t.read("discs/iso/game.iso");
        const quint64 track = (iso.size() + 2047) / 2048 * 2336;
        run_.t.write("discs/nrg/game.nrg", Nrg(iso, Etn(track, false) + kEnd));
        run_.t.write("discs/nrg/game5.nrg", Nrg(iso, Etn(track, true) + Chunk("SINF", BigEndian(1, 4)) + kEnd, true));
        const QList<std::pair<QString, QByteArray>> nrgs = {
            {"no-end", Etn(track, false)},
            {"two-lists", Etn(track, false) + Etn(track, false) + kEnd},
            {"past-footer", Etn(track + 2336, false) + kEnd},
            {"short-dao", Etn(track, false) + Chunk("DAOX", QByteArray(22 + 41, '\0')) + kEnd},
            {"no-tracks", Chunk("CUES", QByteArray(16, '\0')) + kEnd},
            {"long-footer", Etn(track, false) + Chunk("ZZZZ", QByteArray(4096, '\0')) + kEnd},
            {"only-end", kEnd},
            {"odd-mode", Etn(track, false, 9) + kEnd},
            {"part-sector", Etn(track - 1, false) + kEnd},
            {"moved-start", Etn(track, false, 3, 1) + kEnd},
            {"long-sinf", Etn(track, false) + Chunk("SINF", QByteArray(8, '\0')) + kEnd},
            {"cuex-no-lead-in", Chunk("CUEX", QByteArray(32, '\0')) + kEnd},
            {"cd-text", Etn(track, false) + Chunk("CDTX", QByteArray(18, '\0')) + kEnd}};
        for (const auto& [name, chunks] : nrgs) {
            run_.t.write("discs/" + name + ".nrg", Nrg(iso, chunks));
            damaged_[name + ".nrg"] = "damaged or cut short";
        }
        for (const QString& file : kReported) QFile::copy(TOLVA_FIXTURES "/regressions/discimage/" + file, path(file));
        QByteArray root = iso;
        root.replace(16 * 2048 + 156 + 2, 4, QByteArray(4, 0x7f));  // the root directory far beyond the image
        run_.t.write("discs/root.iso", root);
        QByteArray names = iso;  // the root's first record naming more bytes than it holds
        names[qFromLittleEndian<quint32>(iso.constData() + 16 * 2048 + 158) * 2048 + 32] = char(0xff);
        run_.t.write("discs/names.iso", names);
        run_.t.write("discs/short/game.bin", run_.t.read("discs/mode2/game.bin").left(16 * 2352));
        QFile::copy(path("mode2/game.cue"), path("short/game.cue"));
        run_.t.write("discs/mode2/past.cue", "FILE \"game.bin\" BINARY\n TRACK 01 MODE2/2352\n  INDEX 01 00:00:00\n"
                                             " TRACK 02 AUDIO\n  INDEX 01 70:00:00\n");
        run_.t.write("discs/mode2/noindex.cue", "FILE \"game.bin\" BINARY\n TRACK 01 MODE2/2352\n");
        run_.t.write("discs/mode2/many.cue", "FILE \"game.bin\" BINARY\n" + QByteArray(" TRACK 01 AUDIO\n").repeated(100));
        for (const QString& file : kReported + QStringList{"root.iso", "names.iso", "short/game.cue", "mode2/past.cue", "mode2/many.cue", "mode2/noindex.cue"})
            damaged_[file] = "damaged or cut short";
        run_.t.write("discs/cut.iso", iso.left(18 * 2048));
        run_.t.write("discs/empty.iso", {});
        run_.t.write("discs/text.iso", QByteArray("not a disc\r\n").repeated(4000));
        run_.t.write("discs/missing.cue", "FILE \"gone.bin\" BINARY\r\n  TRACK 01 MODE2/2352\r\n");
        run_.t.write("discs/game.chd", "MComprHD" + QByteArray(200, '\0'));
        damaged_.insert({{"missing.cue", "gone.bin, cannot be opened"},
                    {"cut.iso", "damaged or cut short"},
                    {"empty.iso", "the file is empty"},
                    {"text.iso", "no ISO 9660 file system"},
                    {"game.chd", "CHD images cannot be read yet"},
                    {"nothing.iso", "No such file"}});
    }

    void identifyPrintsOneLinePerDisc() {
        QString out, err;
        QStringList read;
        QString expected = kHeader;
        for (const Image& image : kImages) {
            read << path(image.file);
            expected += path(image.file) + '\t' + image.line + '\n';
        }
        // A sheet that names two data BINs of bare sectors boots from the first.
        run_.t.write("discs/twodata.cue", "FILE \"iso/game.iso\" BINARY\n TRACK 01 MODE1/2048\n  INDEX 01 00:00:00\n"
                                          "FILE \"two/disc1.iso\" BINARY\n TRACK 02 MODE1/2048\n  INDEX 01 00:00:00\n");
        for (const char* alpha : {"nrg/game.nrg", "nrg/game5.nrg", "twodata.cue"}) {
            read << path(alpha);
            expected += path(alpha) + '\t' + kAlpha + '\n';
        }
        QCOMPARE(identify(read, out, err), 0);
        QCOMPARE(out.split('\n'), expected.split('\n'));
        QCOMPARE(err, QString());
    }

    void damagedInputsAreRefusedByName() {
        for (auto [file, says] : damaged_.asKeyValueRange()) {
            QString out, err;
            QCOMPARE(identify({path(file), path("iso/game.iso")}, out, err), 1);
            const QStringList lines = out.split('\n');
            QVERIFY2(lines[1].startsWith(path(file) + "\t\t\t\t\t\t") && lines[1].contains(says), qPrintable(out));
            QCOMPARE(lines[2], path("iso/game.iso") + '\t' + kAlpha);  // the good image after it is still read
        }
    }

    // The root directory and SYSTEM.CNF may reach exactly to the image's end or to their size
    // limit; a byte or a sector further, the image is damaged (or the boot file too large).
    void theRootAndTheBootFileReadUpToTheirLimits() {
        const QByteArray iso = run_.t.read("discs/iso/game.iso"), padded = iso + QByteArray(1024 * 1024, '\0');
        const quint32 end = iso.size() / 2048, padEnd = padded.size() / 2048;
        const qsizetype root = 16 * 2048 + 156;
        const quint32 rootAt = qFromLittleEndian<quint32>(iso.constData() + root + 2);
        const qsizetype cnf = iso.indexOf("SYSTEM.CNF;1", rootAt * 2048) - 33;
        const quint32 cnfAt = qFromLittleEndian<quint32>(iso.constData() + cnf + 2);
        const auto at = [](QByteArray image, qsizetype record, quint32 sector, quint32 bytes) {
            qToLittleEndian(sector, image.data() + record + 2);
            qToLittleEndian(bytes, image.data() + record + 10);
            return image;
        };
        const QString readable = '\t' + kAlpha, unreadable = "\t\t\t\t\t\t", damaged = unreadable + kDamaged;
        const QString noCnf = unreadable + "cannot open SYSTEM.CNF on %1: the disc's root holds no such file";
        const QString noBoot = unreadable + "cannot read SYSTEM.CNF on %1: the file holds no BOOT line";
        const struct { QByteArray image; QString line; } cases[] = {
            {at(iso, root, rootAt, 0), damaged},
            {at(padded, root, rootAt, 1024 * 1024), readable},
            {at(padded, root, rootAt, 1024 * 1024 + 1), damaged},
            {at(iso, root, end - 1, 2048), noCnf},
            {at(iso, root, end - 1, 2049), damaged},
            {at(iso, root, end, 1), damaged},
            {at(padded, cnf, padEnd - 1, 2048), noBoot},
            {at(padded, cnf, padEnd - 1, 2049), damaged},
            {at(padded, cnf, padEnd, 0), unreadable + "cannot read SYSTEM.CNF on %1: the file is empty"},
            {at(padded, cnf, padEnd + 1, 0), damaged},
            {at(padded, cnf, cnfAt, 64 * 1024), readable},
            {at(padded, cnf, cnfAt, 64 * 1024 + 1), unreadable + "cannot read SYSTEM.CNF on %1: the file is too large to be a boot file"},
        };
        for (const auto& [image, line] : cases) {
            const QString file = path("limits.iso");
            run_.t.write("discs/limits.iso", image);
            QString out, err;
            identify({file}, out, err);
            QCOMPARE(out.split('\n').value(1), file + QString(line).replace("%1", file));
        }
    }

    // The program itself on the files of the reported faults: their message and status 1, no signal.
    void identifyEndsWithTheMessageOfADamagedImage() {
        for (const QString& file : kReported) {
            QProcess tolva;
            tolva.start(TOLVA_PROGRAM, {"--identify", path(file), path("iso/game.iso"), "--ini", run_.t.program.dir});
            QVERIFY(tolva.waitForFinished(60000));
            QCOMPARE(tolva.exitStatus(), QProcess::NormalExit);
            QCOMPARE(tolva.exitCode(), 1);
            QCOMPARE(QString(tolva.readAllStandardError()), QString());
            QCOMPARE(QString(tolva.readAllStandardOutput()),
                     kHeader + path(file) + "\t\t\t\t\t\t" + kDamaged + '\n' + path("iso/game.iso") + '\t' + kAlpha + '\n');
        }
    }

    // Without libcdio (a broken file by its name here) what only it reads fails by name, with
    // status 1, and an image our own code reads is still read.
    void withoutLibcdioOnlyWhatItReadsFails() {
        const QTemporaryDir broken;
        QVERIFY(QFile(broken.filePath(TOLVA_CDIO_SONAME)).open(QIODevice::WriteOnly));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LD_LIBRARY_PATH", broken.path());
        QProcess tolva;
        tolva.setProcessEnvironment(environment);
        tolva.start(TOLVA_PROGRAM, {"--identify", path("nrg/game.nrg"), path("iso/game.iso"), "--ini", run_.t.program.dir});
        QVERIFY(tolva.waitForFinished(60000));
        QCOMPARE(tolva.exitCode(), 1);
        const QStringList lines = QString(tolva.readAllStandardOutput()).split('\n');
        QVERIFY2(lines.value(1).startsWith(path("nrg/game.nrg") + "\t\t\t\t\t\tit is read through libcdio, which cannot be loaded ("),
                 qPrintable(lines.join('\n')));
        QCOMPARE(lines.value(2), path("iso/game.iso") + '\t' + kAlpha);
    }

    // A reader that crashes, hangs or outgrows its memory is ended: that image gets its message
    // within the time limit, and a new reader reads the next. Names with tabs and line breaks
    // travel whole.
    void aFailingReaderIsReplacedAndTheNextImageRead() {
        const QString faults = path("faults");
        QVERIFY(QDir().mkpath(faults));
        QVERIFY(QFile::copy(path("iso/game.iso"), path("faults/tab\tand\nline\r\\.iso")));
        const std::chrono::milliseconds limit(3000);
        ImageReader reader({TOLVA_PROGRAM, kReadImagesOption, "--faults", ToPath(faults)}, limit);
        // Under AddressSanitizer a reader out of memory ends rather than answering.
        const QMap<QString, QStringList> says = {{"crash", {"(reading it failed)"}},
                                                 {"hang", {"took longer than 3 seconds"}},
                                                 {"grow", {"more memory than a disc image may take", "(reading it failed)"}}};
        for (auto [fault, reasons] : says.asKeyValueRange()) {
            QElapsedTimer took;
            took.start();
            const DiscIdentity failed = reader.read(ToPath(faults + "/" + fault));
            const QString text = QString::fromStdString(failed.description);
            QVERIFY2(failed.result == DiscRead::Unreadable && text.startsWith("cannot read " + faults + "/" + fault + ": ") &&
                         std::any_of(reasons.begin(), reasons.end(), [&](const QString& r) { return text.endsWith(r); }),
                     qPrintable(text));
            QVERIFY(took.elapsed() < limit.count() + 1000);
            QCOMPARE(reader.read(ToPath(faults + "/tab\tand\nline\r\\.iso")).discID, "0033330665");
        }
        ImageReader none({"/nowhere/tolva", kReadImagesOption});
        QCOMPARE(none.read("x.iso").description, "cannot read x.iso: the image reader cannot be started: /nowhere/tolva: No such file or directory");
    }

    // What the drivers would misread is refused at each edge, and what lies exactly on it is
    // taken: an NRG's chunks (the body is two sectors of 2336 bytes), a volume descriptor's root,
    // a root's records.
    void theImageChecksHoldAtEachEdge() {
        const QByteArray etnf = Chunk("ETNF", EtnEntry(0, 4672, 3, 0));
        const auto cues = [](int pairs, bool equal = true) {
            QByteArray list(8, '\0');
            for (int k = 1; k <= pairs; ++k) list += QByteArray(1, 0) + char(k) + QByteArray(6, 0) + QByteArray(1, 0) + char(equal ? k : k + 1) + QByteArray(6, 0);
            return Chunk("CUES", list);
        };
        const auto cuex = [](QByteArray pair, quint32 leadIn = 0xFFFFFF6A) {
            return Chunk("CUEX", QByteArray(4, 0) + BigEndian(leadIn, 4) + QByteArray(8, 0) + pair);
        };
        const QByteArray track1 = QByteArray("\0\x01\0\0\0\0\0\0", 8) + QByteArray("\0\x02\0\0\0\0\0\0", 8);
        const QList<std::tuple<const char*, QByteArray, bool>> nrgs = {
            {"ETNF", etnf + kEnd, true}, {"ETN2", Chunk("ETN2", EtnEntry(0, 4672, 3, 0, true)) + kEnd, true},
            {"ETN2 mode 6", Chunk("ETN2", EtnEntry(0, 4672, 6, 0, true)) + kEnd, false},
            {"modes 0 2 7 6 0x20", Chunk("ETNF", EtnEntry(0, 4096, 0, 0) + EtnEntry(0, 4096, 2, 0) + EtnEntry(0, 2352, 7, 0) + EtnEntry(0, 4672, 6, 0) + EtnEntry(0, 4672, 0x20, 0)) + kEnd, true},
            {"mode 1", Chunk("ETNF", EtnEntry(0, 4096, 1, 0)) + kEnd, false}, {"mode 8", Chunk("ETNF", EtnEntry(0, 4096, 8, 0)) + kEnd, false},
            {"part sector", Chunk("ETNF", EtnEntry(0, 4671, 3, 0)) + kEnd, false},
            {"second sector", Chunk("ETNF", EtnEntry(2336, 2336, 3, 1)) + kEnd, true},
            {"start not its sector", Chunk("ETNF", EtnEntry(2336, 2336, 3, 0)) + kEnd, false},
            {"up to the footer", Chunk("ETNF", EtnEntry(4672, 0, 3, 2)) + kEnd, true},
            {"past the footer", Chunk("ETNF", EtnEntry(7008, 0, 3, 3)) + kEnd, false},
            {"into the footer", Chunk("ETNF", EtnEntry(2336, 4672, 3, 1)) + kEnd, false},
            {"entry cut", Chunk("ETNF", EtnEntry(0, 4672, 3, 0) + "x") + kEnd, false},
            {"no list", kEnd, false}, {"two lists", etnf + etnf + kEnd, false},
            {"unknown chunk", etnf + Chunk("ZZZZ", "abc") + kEnd, true},
            {"end runs past", etnf + "END!" + BigEndian(1, 4), false}, {"end cut", etnf + "END!", false},
            {"CUES 1", cues(1) + kEnd, true}, {"CUES 99", cues(99) + kEnd, true}, {"CUES 100", cues(100) + kEnd, false},
            {"CUES none", cues(0) + kEnd, false}, {"CUES lone entry", Chunk("CUES", cues(1).mid(8) + QByteArray(8, 0)) + kEnd, true}, {"CUES unpaired", cues(1, false) + kEnd, false},
            {"CUEX", cuex(track1) + kEnd, true}, {"CUEX by time", cuex(QByteArray("\0\x01\x10", 3) + track1.mid(3)) + kEnd, true}, {"CUEX none", cuex({}) + kEnd, false},
            {"CUEX lead-in", cuex(track1, 0) + kEnd, false}, {"CUEX odd", cuex(track1 + QByteArray(8, 0)) + kEnd, false},
            {"CUEX address 2", cuex(QByteArray("\0\x01\x20", 3) + QByteArray(5, 0) + track1.mid(8)) + kEnd, false},
            {"CUEX same track", cuex(track1.left(8) + track1.left(8)) + kEnd, false},
            {"DAOI", etnf + Chunk("DAOI", QByteArray(52, 0)) + kEnd, true}, {"DAOI short", etnf + Chunk("DAOI", QByteArray(51, 0)) + kEnd, false},
            {"DAOX", etnf + Chunk("DAOX", QByteArray(64, 0)) + kEnd, true}, {"DAOX short", etnf + Chunk("DAOX", QByteArray(63, 0)) + kEnd, false},
            {"DAOI first", Chunk("DAOI", QByteArray(52, 0)) + etnf + kEnd, true},
            {"SINF", etnf + Chunk("SINF", QByteArray(4, 0)) + kEnd, true}, {"SINF 3", etnf + Chunk("SINF", QByteArray(3, 0)) + kEnd, false},
            {"MTYP 5", etnf + Chunk("MTYP", QByteArray(5, 0)) + kEnd, false},
            {"CDTX", etnf + Chunk("CDTX", {}) + kEnd, false}, {"NERO", etnf + Chunk("NERO", {}) + kEnd, false},
            {"footer 4096", etnf + Chunk("ZZZZ", QByteArray(4096 - 8 - etnf.size() - 8 - 8, 0)) + kEnd, true},
            {"footer 4097", etnf + Chunk("ZZZZ", QByteArray(4096 - 8 - etnf.size() - 8 - 7, 0)) + kEnd, false}};
        QStringList wrong;
        for (const auto& [name, chunks, holds] : nrgs) {
            const bool nero5 = QByteArray(name).startsWith("ETN2");
            run_.t.write("discs/check.nrg", Nrg(QByteArray(4096, '\0'), chunks, nero5));
            const std::string file = ToPath(path("check.nrg"));
            if (NrgHoldsTogether(file, std::filesystem::file_size(file)) != holds) wrong << name;
        }
        // A descriptor: logical block size at 128, the root's extent at 158 and size at 166.
        const auto pvd = [](quint32 extent, quint32 bytes, int block = 2048, int size = 2048) {
            QByteArray d(size, '\0');
            qToLittleEndian<quint16>(block, d.data() + 128);
            qToLittleEndian(extent, d.data() + 158);
            qToLittleEndian(bytes, d.data() + 166);
            return d;
        };
        const QList<std::tuple<const char*, QByteArray, int, bool>> roots = {
            {"1 MiB", pvd(0, 1 << 20), 512, true}, {"1 MiB + 1", pvd(0, (1 << 20) + 1), 513, false},
            {"empty", pvd(10, 0), 11, false}, {"to the end", pvd(10, 2049), 12, true}, {"past it", pvd(10, 2049), 11, false},
            {"block 2047", pvd(10, 2048, 2047), 11, false}, {"short", pvd(10, 2048, 2048, 2047), 11, false}};
        for (const auto& [name, descriptor, sectors, fits] : roots)
            if (RootFits(descriptor.toStdString(), sectors) != fits) wrong << name;
        // A record: length, extent at 2, size at 10, flags at 25, name length at 32, the name.
        const auto record = [](const QByteArray& name, quint32 extent, int flags = 0, int pad = 0, int nameLength = -1) {
            QByteArray r(33, '\0');
            r[0] = char(33 + name.size() + pad);
            qToLittleEndian(extent, r.data() + 2);
            r[25] = char(flags);
            r[32] = char(nameLength < 0 ? name.size() : nameLength);
            return r + name + QByteArray(pad, '\0');
        };
        const auto filler = [&record](int total) {  // records of "A" of total bytes
            QByteArray out;
            for (int take; total > 0; total -= take) {
                take = total <= 255 ? total : std::min(200, total - 34);
                out += record("A", 1, 0, take - 34);
            }
            return out;
        };
        const QList<std::tuple<const char*, QByteArray, QString>> dirs = {
            {"exact", record("A;1", 1) + record("SYSTEM.CNF;1", 7), "0 7"},
            {"any case", record("system.cnf;1", 8), "0 8"},
            {"exact wins", record("system.cnf", 8) + record("SYSTEM.CNF", 9), "0 9"},
            {"first case", record("system.cnf", 8) + record("System.Cnf", 9), "0 8"},
            {"a folder", record("SYSTEM.CNF", 8, 2), "1 0"},
            {"next sector", record("A", 1) + QByteArray(2048 - 34, '\0') + record("SYSTEM.CNF", 5), "0 5"},
            {"crossing", filler(2006) + record("SYSTEM.CNF", 5), "2 0"},
            {"to the sector end", filler(2005) + record("SYSTEM.CNF", 5), "0 5"},
            {"no name", QByteArray(1, 33) + QByteArray(32, 0), "2 0"}, {"a byte of name", record("X", 1), "1 0"},
            {"name past", record("SYSTEM.CNF", 5, 0, 0, 11), "2 0"}, {"name to the end", record("SYSTEM.CNF", 5, 0, 1, 11), "1 0"}};
        for (const auto& [name, directory, expected] : dirs) {
            Extent file;
            const RootSearch found = FindRootFile(directory.toStdString(), "SYSTEM.CNF", file);
            if (QString("%1 %2").arg(int(found)).arg(file.sector) != expected) wrong << name;
        }
        if (!CueFitsTheDriver(QByteArray(" TRACK 01 AUDIO\n").repeated(99).toStdString())) wrong << "99 tracks";
        if (CueFitsTheDriver(QByteArray("TRACK").repeated(100).toStdString())) wrong << "100 tracks";
        QCOMPARE(wrong, QStringList());
    }

    // What a reader answers is taken only as four fields with a known result, in a line of at most
    // 64 KiB; any other answer ends that reader, and the next image gets a new one. (The scripted
    // reader answers each image with the bytes of the file named.)
    void aReaderIsTakenAtItsWordOnlyWithinTheProtocol() {
        const QByteArray head = "0\tSLUS_000.01\t0000000001\t";
        const QList<std::pair<QByteArray, QString>> rows = {
            {head + "Alpha\n", "0 0000000001 Alpha"},
            {"6\tSLUS_000.02\t\tnot in the table\n", "6  not in the table"},
            {head + QByteArray(64 * 1024 - head.size(), 'x') + "\n", "0 0000000001 " + QString(64 * 1024 - head.size(), 'x')},
            {head + QByteArray(64 * 1024 + 1 - head.size(), 'x') + "\n", "2  the disc image is damaged or cut short (reading it failed)"},
            {"7\ta\tb\tc\n", "2  the image reader answered out of turn"}, {"-1\ta\tb\tc\n", "2  the image reader answered out of turn"},
            {"0\ta\tb\n", "2  the image reader answered out of turn"}, {"0\ta\tb\tc\td\n", "2  the image reader answered out of turn"},
            {"0\tSLUS_000.03\t0000000003\tGamma\\t\\n\\r\\\\\\x\n", "0 0000000003 Gamma\t\n\r\\x"}};
        ImageReader reader({"/usr/bin/python3", "-c",
                            "import sys\nfor l in sys.stdin.buffer:\n sys.stdout.buffer.write(open(l[:-1], 'rb').read()); "
                            "sys.stdout.flush()"});
        QStringList said, expected;
        for (qsizetype k = 0; k < rows.size(); ++k) {
            const QString answer = path(QString("answer%1").arg(k));
            run_.t.write("discs/" + QFileInfo(answer).fileName(), rows[k].first);
            const DiscIdentity read = reader.read(ToPath(answer));
            const QString why = QString::fromStdString(read.description).section(": ", -1);
            said << QString("%1 %2 %3").arg(int(read.result)).arg(QString::fromStdString(read.discID), why);
            expected << rows[k].second;
        }
        QCOMPARE(said, expected);
    }

    // No reader's process outlives its reader, running or unreaped.
    void noReaderProcessOutlivesItsReader() {
        const auto readers = [] {  // this process's children named tolva, zombies included
            int count = 0;
            for (const QFileInfo& task : QDir("/proc/self/task").entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
                QFile children(task.filePath() + "/children");
                if (!children.open(QIODevice::ReadOnly)) continue;
                for (const QByteArray& pid : children.readAll().simplified().split(' ')) {
                    QFile stat("/proc/" + pid + "/stat");
                    count += !pid.isEmpty() && stat.open(QIODevice::ReadOnly) && stat.readAll().contains(" (tolva) ");
                }
            }
            return count;
        };
        const int before = readers();  // the window's own reader, once an earlier case started it
        {
            ImageReader reader({TOLVA_PROGRAM, kReadImagesOption});
            QCOMPARE(reader.read(ToPath(path("iso/game.iso"))).discID, "0033330665");
            QCOMPARE(readers(), before + 1);
        }
        QCOMPARE(readers(), before);
    }

    // One folder of every kind of disc: the window's rows, --identify's TSV and JSON, and its
    // rows without bleem!.INI, all from one table; a second scan reads no image; "Add..." writes
    // what the wizard writes for the image chosen by hand, and the row shows the entry.
    void theCollectionShowsEachDiscOnce() {
        const QString folder = path("collection");
        QList<std::pair<QString, QString>> copies = {
            {"iso/game.iso", "a/b/alpha.iso"}, {"two/disc1.iso", "beta/disc1.iso"}, {"two/disc2.iso", "beta/disc2.iso"},
            {"mode2/game.cue", "cd/game.cue"}, {"mode2/game.bin", "cd/game.bin"}, {"mode1/game.cue", "gamma/game.cue"},
            {"mode1/game.bin", "gamma/game.bin"}};
        for (const QString& file : kReported + QStringList{"cut.iso", "text.iso", "game.chd"}) copies.append({file, file});
        for (const auto& [from, to] : copies) run_.t.write("discs/collection/" + to, run_.t.read("discs/" + from));
        run_.t.write("discs/collection/game.zip", "PK\3\4");
        run_.t.write("discs/collection/notes.txt", "no disc");
        QString tsv = kHeader, bare = kHeader, out, err;
        for (QStringList row : kCollection) {
            tsv += folder + '/' + row.join('\t') + '\n';
            if (row[4] == "bleem!.INI") row[3] = row[4] = "";
            row[5] = "";
            bare += folder + '/' + row.join('\t') + '\n';
        }
        QCOMPARE(identify({folder}, out, err), 1);
        QCOMPARE(out.split('\n'), tsv.split('\n'));
        QCOMPARE(identify({folder}, out = "", err, false, folder), 1);  // no bleem!.INI there
        QCOMPARE(out.split('\n'), bare.split('\n'));
        QCOMPARE(err.count('\n'), 1);
        QCOMPARE(identify({folder}, out = "", err, true), 1);
        const QJsonArray discs = QJsonDocument::fromJson(out.toUtf8()).array();
        QCOMPARE(discs.size(), kCollection.size());
        const auto text = [](const QJsonValue& v) { return v.isNull() ? QString("null") : v.toString(); };
        for (int k = 0; k < discs.size(); ++k) {
            const QJsonObject disc = discs[k].toObject();
            QStringList row = kCollection[k];
            for (const int nullable : {4, 6}) row[nullable] = row[nullable].isEmpty() ? "null" : row[nullable];
            QCOMPARE(disc.keys(), (QStringList{"disc_ids", "error", "file", "product_code", "status", "title", "title_source"}));
            QCOMPARE((QStringList{text(disc["file"]), text(disc["product_code"]), disc["disc_ids"].toVariant().toStringList().join(' '),
                                  text(disc["title"]), text(disc["title_source"]), text(disc["status"]), text(disc["error"])}),
                     QStringList{folder + '/' + row[0]} + row.mid(1));
        }

        auto* form = qobject_cast<DiscCollectionFORM*>(scan(folder));
        QCOMPARE(rows(form), kCollection);
        QCOMPARE(Text(form, "TotalsTEXT"), QString("Yes: 1, Partial: 1, Not Yet: 1, not in bleem!.INI: 2, cannot be read: 7; 12 discs"));
        QCOMPARE(form->imagesRead(), kCollection.size() - 2);  // all but the CHD and the ZIP
        scan(folder);
        QCOMPARE(form->imagesRead(), 0);
        // Another disc under the same name is read again, and only it; then the first comes back.
        const auto copy = [](const QString& from, const QString& to) {
            QFile in(from), out(to);
            return in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly) && out.write(in.readAll()) > 0;
        };
        const QString disc2 = folder + "/beta/disc2.iso", kept = folder + "/../disc2.kept";
        QVERIFY(copy(disc2, kept) && copy(folder + "/beta/disc1.iso", disc2));
        scan(folder);
        QCOMPARE(form->imagesRead(), 1);
        QCOMPARE(rows(form).value(2).mid(1, 2), kCollection[1].mid(1, 2));
        QVERIFY(copy(kept, disc2));
        scan(folder);
        QCOMPARE(rows(form), kCollection);
        Click(form, "MissingCHECK");
        QCOMPARE(rows(form), (QList<QStringList>{kCollection[3], kCollection[9]}));

        const auto add = [](bool byHand) {
            return Walk().press("Wizard1FORM", "ForwardBUTTON").on("Wizard2FORM", [byHand](QWidget* p) {
                if (byHand) Click(p, "ImageBUTTON");
                QCOMPARE(Text(p, "idTEXT"), QString("0172831837"));
                Find<QLineEdit>(p, "titleTEXT")->setText("Délta");  // exported in UTF-8 as shown
                Click(p, "runningCHECK");
                Click(p, "ForwardBUTTON");
            }).press("Wizard8FORM", "ForwardBUTTON");
        };
        auto* table = Find<QTableView>(form, "DiscsTABLE");
        table->setCurrentIndex(table->model()->index(0, 0));
        QVERIFY(add(false).run([&] { Click(form, "AddBUTTON"); }));
        Click(form, "MissingCHECK");
        QCOMPARE(rows(form)[3], (QStringList{"cd/game.cue", "SLPS-00982", "0172831837", "Délta", "bleem!.INI", "Not Yet", ""}));
        QString csv = "\xEF\xBB\xBF" + kHeader.split('\n')[0].replace('\t', ',') + "\r\n";  // as the games table exports
        for (QStringList row : rows(form)) {
            for (QString& cell : row) cell = cell.contains(',') ? '"' + cell + '"' : cell;
            csv += row.join(',') + "\r\n";
        }
        run_.t.chooser.picks.enqueue(run_.t.path("discs.csv"));
        Click(form, "ExportBUTTON");
        QCOMPARE(QString::fromUtf8(run_.t.read("discs.csv")), csv);
        LoadedMain hand(kIni, kGammaTxt);
        hand.t.chooser.picks.enqueue(folder + "/cd/game.cue");
        QVERIFY(add(true).run(hand, "NewMENU"));
        QCOMPARE(run_.file(), hand.file());
        QVERIFY(run_.file().endsWith("ID=0172831837\r\nTitle=D\xE9lta\r\nFlags=40000000H\r\n"));
    }

    // Cancel stops a scan of many images where it is; the rows read stay and the window is usable.
    void cancelStopsTheScan() {
        QVERIFY(QDir().mkpath(path("many")));
        for (int k = 0; k < 3000; ++k) QVERIFY(QFile::link(path("iso/game.iso"), path("many/%1.iso").arg(k)));
        run_.trigger("DiscCollectionMENU");
        QWidget* form = TopLevel("DiscCollectionFORM");
        Find<QLineEdit>(form, "FolderTEXT")->setText(path("many"));
        auto* table = Find<QTableView>(form, "DiscsTABLE");
        Click(form, "ScanBUTTON");
        QTRY_VERIFY(Find<QProgressBar>(form, "ScanPROGRESS")->value() > 0);  // the scan is under way
        Click(form, "CancelBUTTON");
        QVERIFY(!Find(form, "CancelBUTTON")->isEnabled());
        QTRY_VERIFY(Find(form, "ScanBUTTON")->isEnabled());
        const int read = table->model()->rowCount();
        QTest::qWait(200);
        QVERIFY2(read < 3000 && table->model()->rowCount() == read, qPrintable(QString::number(read)));
        QCOMPARE(run_.t.settings.windows.value("DiscCollection/Folder"), path("many"));
    }

    // A disc found, one not in the disc ID table, a damaged one: only the first fills the box.
    void page2ReadsAChosenOrDroppedImage() {
        run_.t.prompter.shown.clear();
        QStringList ids;
        QVERIFY(Walk().press("Wizard1FORM", "ForwardBUTTON").on("Wizard2FORM", [&](QWidget* p) {
            auto* id = Find<QLineEdit>(p, "idTEXT");
            for (const QString& image : QStringList{"iso/game.iso", "multi/game.cue", "cut.iso"} + kReported) {
                id->setText("1");
                run_.t.chooser.picks.enqueue(path(image));
                Click(p, "ImageBUTTON");
                ids << id->text();
            }
            // Only one local file is taken: two files or a web address leave the box as it was.
            const QUrl cue = QUrl::fromLocalFile(path("mode1/game.cue"));
            for (const QList<QUrl>& urls : {QList<QUrl>{cue, cue}, {QUrl("http://localhost/game.cue")}, {cue}}) {
                QMimeData mime;
                mime.setUrls(urls);
                QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
                QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
                QCoreApplication::sendEvent(p, &enter);
                QCoreApplication::sendEvent(p, &drop);
                ids << (enter.isAccepted() ? "taken " : "") + id->text();
            }
            Click(p, "AbortBUTTON");
        }).run(run_, "NewMENU"));
        const QStringList untouched(kReported.size() + 4, "1");  // the two that fail, the reported ones, the drops
        QCOMPARE(ids, QStringList{"0033330665"} + untouched + QStringList{"taken 0099269388"});
        QVERIFY(run_.t.chooser.filters.last().startsWith("Disc images (*.iso "));
        const QList<Message>& shown = run_.t.prompter.shown;
        QCOMPARE(shown.size(), 2 + kReported.size());
        QCOMPARE(shown[0].text, QString::fromLatin1(DiscIDNotFoundText("SCES-99999")));
        QVERIFY(shown[1].text.contains(path("cut.iso")));
        for (int k = 0; k < kReported.size(); ++k)  // the program stays up and the box usable (the drop after)
            QCOMPARE(shown[2 + k].text, "cannot read " + path(kReported[k]) + ": the disc image is damaged or cut short");
    }
};

QTEST_MAIN(DiscImageTest)
#include "discimage_test.moc"
