// Disc images read through libcdio: each kind built here from a folder holding a SYSTEM.CNF
// (xorriso for ISO 9660, scripts/mkbincue.py for the raw sectors and the CUE sheets), each with
// another form of BOOT line, read through --identify and through page 2 of the wizard; damaged
// inputs are named in their messages.
#include <filesystem>
#include <QMimeData>
#include <QStandardPaths>
#include <QTextStream>

#include "app/platform/discimage.h"
#include "app/startup/identify.h"
#include "core/wizard/identity.h"
#include "support/window.h"

using namespace tolva;
using namespace tolva::test;

namespace {

const QByteArray kIni = "Version=2001\r\n\r\n" + Entry("0033330665", "Alpha", "80000000H");

struct Image {
    const char* file;        // the file the program is given
    const char* bootLine;    // in SYSTEM.CNF
    QStringList mkbincue;    // options of scripts/mkbincue.py; none: the ISO itself
    const char* line;        // what --identify prints after the path
};

const QList<Image> kImages = {
    {"iso/game.iso", "BOOT = cdrom:\\SLUS_001.52;1", {}, "SLUS-00152\t0033330665\tAlpha"},
    {"mode2/game.cue", "  boot=cdrom:\\slps_009.82;1", {"--mode", "MODE2/2352"},
     "SLPS-00982\t0172831837\tnot in bleem!.INI"},
    {"mode1/game.cue", "BOOT2 = cdrom0:\\SLES_019.03;1", {"--mode", "MODE1/2048"},
     "SLES-01903\t0099269388\tnot in bleem!.INI"},
    {"multi/game.cue", "BOOT=cdrom:\\SCES_999.99;1", {"--audio", "2"},
     "SCES-99999\tnot in the disc ID table\tnot in bleem!.INI"},
    {"bare/game.bin", "TCB = 4\r\nBOOT = cdrom:\\SLUS_001.52;1", {"--no-cue"}, "SLUS-00152\t0033330665\tAlpha"},
};

void Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
}

}  // namespace

class DiscImageTest : public QObject {
    Q_OBJECT

    LoadedMain run_{kIni};
    QMap<QString, QString> damaged_;  // file → what its message says

    QString path(const QString& relative) const { return run_.t.path("discs/" + relative); }

    int identify(const QStringList& discs, QString& out, QString& err) {
        QTextStream outStream(&out), errStream(&err);
        return IdentifyDiscs(discs, QString(), run_.t.platform, outStream, errStream);
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
        run_.t.write("discs/cut.iso", iso.left(18 * 2048));
        run_.t.write("discs/empty.iso", {});
        run_.t.write("discs/text.iso", QByteArray("not a disc\r\n").repeated(4000));
        run_.t.write("discs/missing.cue", "FILE \"gone.bin\" BINARY\r\n  TRACK 01 MODE2/2352\r\n");
        run_.t.write("discs/game.chd", "MComprHD" + QByteArray(200, '\0'));
        damaged_ = {{"missing.cue", "gone.bin, cannot be opened"},
                    {"cut.iso", "damaged or cut short"},
                    {"empty.iso", "the file is empty"},
                    {"text.iso", "no ISO 9660 file system"},
                    {"game.chd", "CHD images cannot be read; the formats that work are ISO, BIN/CUE, NRG"},
                    {"nothing.iso", "No such file"}};
    }

    void identifyPrintsOneLinePerDisc() {
        QString out, err;
        QStringList read;
        QString expected;
        for (const Image& image : kImages) {
            read << path(image.file);
            expected += path(image.file) + '\t' + image.line + '\n';
        }
        QCOMPARE(identify(read, out, err), 0);
        QCOMPARE(out, expected);
        QCOMPARE(err, QString());
    }

    void damagedInputsAreRefusedByName() {
        for (auto [file, says] : damaged_.asKeyValueRange()) {
            QString out, err;
            QCOMPARE(identify({path(file), path("iso/game.iso")}, out, err), 1);
            QVERIFY2(err.startsWith("tolva: cannot ") && err.contains(path(file)) && err.contains(says), qPrintable(err));
            QCOMPARE(out.count('\n'), 1);  // the good image after it is still read
        }
    }

    // A disc found, one not in the disc ID table, a damaged one: only the first fills the box.
    void page2ReadsAChosenOrDroppedImage() {
        QStringList ids;
        QVERIFY(Walk().press("Wizard1FORM", "ForwardBUTTON").on("Wizard2FORM", [&](QWidget* p) {
            auto* id = Find<QLineEdit>(p, "idTEXT");
            for (const char* image : {"iso/game.iso", "multi/game.cue", "cut.iso"}) {
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
        QCOMPARE(ids, (QStringList{"0033330665", "1", "1", "1", "1", "taken 0099269388"}));
        QVERIFY(run_.t.chooser.filters.last().startsWith("Disc images (*.iso "));
        const QList<Message>& shown = run_.t.prompter.shown;
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].text, QString::fromLatin1(DiscIDNotFoundText("SCES-99999")));
        QVERIFY(shown[1].text.contains(path("cut.iso")));
    }
};

QTEST_MAIN(DiscImageTest)
#include "discimage_test.moc"
