#include "app/mainwindow/mainform.h"

#include <QGuiApplication>

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "app/mainwindow/gamelistview.h"
#include "app/mainwindow/splashform.h"
#include "app/platform/access.h"
#include "app/platform/controls.h"
#include "app/platform/messages.h"
#include "app/platform/resources.h"
#include "app/platform/windowplace.h"
#include "app/startup/dialog.h"
#include "app/platform/guarded.h"

namespace tolva {
namespace {

// A read-only display field: selectable text in a sunken frame, named for tests and screen readers
// by its caption, buddy.
QLabel* Field(QWidget* parent, const char* name, const QString& tooltip, QLabel* buddy) {
    auto* field = new QLabel(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setFrameShape(QFrame::StyledPanel);
    field->setFrameShadow(QFrame::Sunken);
    field->setMinimumHeight(field->fontMetrics().height() + 6);
    field->setTextFormat(Qt::PlainText);
    // What a field holds never widens the window: it takes the width the layout gives it.
    field->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * 8);
    // Exposed before anything else asks a screen reader's view of the field.
    buddy->setBuddy(field);
    ExposeValue(field, buddy->text());
    if (!tooltip.isEmpty()) {
        field->setToolTip(tooltip);
        field->setAccessibleDescription(tooltip);
    }
    return field;
}

// The widest text of a field that holds digits in shape (each "0" a digit): drawn in the widest
// digit of the field's font, so that any value of that shape shows whole.
QString WidestOf(const QLabel* field, QString shape) {
    QChar digit = QLatin1Char('0');
    for (QChar d = QLatin1Char('1'); d <= QLatin1Char('9'); d = QChar(d.unicode() + 1)) {
        if (field->fontMetrics().horizontalAdvance(d) > field->fontMetrics().horizontalAdvance(digit)) digit = d;
    }
    return shape.replace(QLatin1Char('0'), digit);
}

QLabel* Caption(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, const QString& tooltip) {
    QPushButton* button = NamedButton(parent, name, caption);
    button->setToolTip(tooltip);
    button->setAccessibleDescription(tooltip);
    return button;
}

QCheckBox* DisplayBox(QWidget* parent, const char* name, const QString& caption) {
    auto* box = Named<QCheckBox>(parent, name, caption);
    // The view sets these and never reads them back: the user looks, but does not tick.
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

QLabel* Remark(QWidget* parent, const char* name, const QString& frameCaption, QGridLayout* grid, int row,
               int column) {
    auto* frame = new QGroupBox(frameCaption, parent);
    auto* layout = new QVBoxLayout(frame);
    auto* text = new QLabel(frame);
    text->setObjectName(QString::fromLatin1(name));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setMinimumHeight(text->fontMetrics().height() * 3);
    ExposeValue(text, frameCaption);
    layout->addWidget(text);
    grid->addWidget(frame, row, column);
    return text;
}

}  // namespace

MainFORM::MainFORM(ProgramState& state, Platform& platform, QWidget* parent)
    : QMainWindow(parent), state_(state), platform_(platform) {
    setObjectName(QStringLiteral("MainFORM"));
    setWindowTitle(kTitle);
    // The one rule for quitting: closing the main window ends the program (closeEvent). It is
    // hidden while some tools run, so the last visible window closing must not end it.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    UseKeyboardEverywhere();
    buildControls();
    buildMenus();
    buildWatch();
    KeepPlace(this, platform.settings);
}

MainFORM::~MainFORM() = default;

void MainFORM::buildControls() {
    // The list on the left, the details on the right, the user choosing how wide each is.
    // The margin lies around the splitter, not inside it: a splitter's least size leaves out its
    // own margins, and the window's least size would squeeze the columns by them.
    auto* central = new QWidget(this);
    auto* around = new QVBoxLayout(central);
    const int margin = style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
    around->setContentsMargins(margin, margin, margin, margin);
    auto* columns = new QSplitter(central);
    columns->setObjectName(QStringLiteral("columns"));
    columns->setChildrenCollapsible(false);
    around->addWidget(columns);
    setCentralWidget(central);
    auto* listPane = new QWidget(columns);
    listPane->setObjectName(QStringLiteral("listPane"));
    auto* left = new QVBoxLayout(listPane);
    left->setContentsMargins(0, 0, 0, 0);

    // Left: search, list, counts.
    auto* searchRow = new QHBoxLayout;
    auto* searchLabel = new QLabel(tr("&Search :"), listPane);
    SearchTEXT = new QLineEdit(listPane);
    SearchTEXT->setObjectName(QStringLiteral("SearchTEXT"));
    SearchTEXT->setToolTip(tr("Search for a particular game in the database.\n"
                                          "Titles come first; when no title matches, a disc ID (10 digits) or a "
                                          "product code (SLUS-00707, SLUS_007.07, SLUS00707) finds its game."));
    SearchTEXT->setAccessibleDescription(SearchTEXT->toolTip());
    searchLabel->setBuddy(SearchTEXT);
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(SearchTEXT, 1);
    left->addLayout(searchRow);

    auto* listLabel = new QLabel(tr("&Games :"), listPane);
    GameLIST = new GameListView(listPane);
    GameLIST->setObjectName(QStringLiteral("GameLIST"));
    GameLIST->setToolTip(tr("The current bleem! game database."));
    GameLIST->setAccessibleDescription(GameLIST->toolTip());
    GameLIST->setUniformItemSizes(true);  // thousands of rows fill without measuring each
    GameLIST->setMinimumWidth(GameLIST->fontMetrics().averageCharWidth() * 24);
    listLabel->setBuddy(GameLIST);
    GameLIST->setAccessibleName(tr("Games"));  // a list does not take its buddy's caption
    left->addWidget(listLabel);
    left->addWidget(GameLIST, 1);

    auto* summary = new QGroupBox(tr("Summarization"), listPane);
    auto* counts = new QGridLayout(summary);
    auto addCount = [&](int row, int column, const char* name, const QString& caption) {
        auto* label = new QLabel(caption, summary);
        QLabel* field = Field(summary, name, {}, label);
        // Four digits and a percentage with one decimal: "4096 (100%)" is narrower.
        WideEnoughFor(field, WidestOf(field, QStringLiteral("0000 (00") + QLocale().decimalPoint() + QStringLiteral("0%)")));
        counts->addWidget(label, row, column * 2);
        counts->addWidget(field, row, column * 2 + 1);
        // A grid shares out its width as if a field that ignores its size wanted none.
        counts->setColumnMinimumWidth(column * 2 + 1, field->minimumWidth());
        return field;
    };
    YesTEXT = addCount(0, 0, "YesTEXT", tr("Yes :"));
    NoTEXT = addCount(0, 1, "NoTEXT", tr("Not Yet :"));
    PartTEXT = addCount(1, 0, "PartTEXT", tr("Partial :"));
    TotalTEXT = addCount(1, 1, "TotalTEXT", tr("Total :"));
    left->addWidget(summary);

    auto* versionRow = new QHBoxLayout;
    auto* versionLabel = new QLabel(tr("Database Version :"), listPane);
    versionTEXT = Field(listPane, "versionTEXT", tr("The current bleem! game database version."),
                        versionLabel);
    WideEnoughFor(versionTEXT, WidestOf(versionTEXT, QStringLiteral("0000-00-00")));
    versionRow->addWidget(versionLabel);
    versionRow->addWidget(versionTEXT, 1);
    left->addLayout(versionRow);

    // Right: the details of the selected game, scrolling when the window is too small for them
    // (a small screen, or a large scale factor), above the buttons, which always show.
    auto* rightPane = new QWidget(columns);
    rightPane->setObjectName(QStringLiteral("detailsPane"));
    auto* rightColumn = new QVBoxLayout(rightPane);
    rightColumn->setContentsMargins(0, 0, 0, 0);
    auto* details = new QScrollArea(rightPane);
    details->setObjectName(QStringLiteral("detailsArea"));
    details->setFrameShape(QFrame::NoFrame);
    details->setWidgetResizable(true);
    details->setFocusPolicy(Qt::NoFocus);
    auto* detailsPane = new QWidget(details);
    detailsPane->setObjectName(QStringLiteral("details"));
    auto* right = new QVBoxLayout(detailsPane);
    right->setContentsMargins(0, 0, 0, 0);
    auto* facts = new QGridLayout;
    int row = 0;
    auto addFact = [&](const char* labelName, const QString& caption, const char* fieldName,
                       const QString& tooltip) {
        QLabel* label = Caption(detailsPane, labelName, caption);
        QLabel* field = Field(detailsPane, fieldName, tooltip, label);
        facts->addWidget(label, row, 0, Qt::AlignRight | Qt::AlignTop);
        facts->addWidget(field, row, 1);
        ++row;
        return std::pair{label, field};
    };
    std::tie(TitleLABEL, titleTEXT) =
        addFact("TitleLABEL", tr("Game Title :"), "titleTEXT", tr("The name of the game."));
    std::tie(IDLABEL, idTEXT) =
        addFact("IDLABEL", tr("Disc ID :"), "idTEXT", tr("The bleem! Disc ID of the game."));
    WideEnoughFor(idTEXT, WidestOf(idTEXT, QStringLiteral("0000000000")));

    StatusLABEL = Caption(detailsPane, "StatusLABEL", tr("Status :"));
    auto* pictures = new QHBoxLayout;
    StatusPICTURE = new QLabel(detailsPane);
    StatusPICTURE->setObjectName(QStringLiteral("StatusPICTURE"));
    StatusPICTURE->setToolTip(tr("See if the game works with bleem!"));
    StatusPICTURE->setAccessibleDescription(StatusPICTURE->toolTip());
    StatusPICTURE->setAccessibleName(tr("Status"));
    d3dPICTURE = new QLabel(detailsPane);
    d3dPICTURE->setObjectName(QStringLiteral("d3dPICTURE"));
    d3dPICTURE->setToolTip(tr("See if the game support D3D Enhanced! (only available on enabled 'Automatic Compatibility Reload')"));
    d3dPICTURE->setAccessibleDescription(d3dPICTURE->toolTip());
    d3dPICTURE->setAccessibleName(tr("Direct3D"));
    pictures->addWidget(StatusPICTURE);
    pictures->addSpacing(4);  // 60 twips between the two pictures
    pictures->addWidget(d3dPICTURE);
    pictures->addStretch(1);
    facts->addWidget(StatusLABEL, row, 0, Qt::AlignRight | Qt::AlignVCenter);
    facts->addLayout(pictures, row, 1);
    ++row;

    std::tie(ProductCodeLABEL, ProductCodeTEXT) = addFact("ProductCodeLABEL", tr("Product Code :"),
                                                          "ProductCodeTEXT", tr("The game's product code."));
    WideEnoughFor(ProductCodeTEXT, WidestOf(ProductCodeTEXT, QStringLiteral("SLPM-00000")));
    std::tie(PublisherLABEL, PublisherTEXT) =
        addFact("PublisherLABEL", tr("Publisher :"), "PublisherTEXT", tr("The game's publisher."));
    std::tie(CountryLABEL, CountryTEXT) = addFact(
        "CountryLABEL", tr("Region :"), "CountryTEXT",
        tr("The game's country code. (U/C : United States/Canada, J : Japan, PAL : Pretty much "
                       "everyplace else, ALL : All three regions)"));
    std::tie(DetailsLABEL, DetailsTEXT) = addFact("DetailsLABEL", tr("Details :"), "DetailsTEXT", {});
    DetailsTEXT->setWordWrap(true);
    facts->setColumnStretch(1, 1);
    facts->setColumnMinimumWidth(1, std::max(idTEXT->minimumWidth(), ProductCodeTEXT->minimumWidth()));
    right->addLayout(facts);

    auto* advanced = new QGroupBox(detailsPane);
    auto* advancedLayout = new QGridLayout(advanced);
    frameLABEL = Caption(advanced, "frameLABEL", tr("Advanced Graphics Settings"));
    advanced->setAccessibleName(frameLABEL->text());
    QFont bold = frameLABEL->font();
    bold.setBold(true);
    frameLABEL->setFont(bold);
    Check1 = DisplayBox(advanced, "Check1", tr("Alternate Display Mode on"));
    Check2 = DisplayBox(advanced, "Check2", tr("Enable Frame Skip off"));
    Check3 = DisplayBox(advanced, "Check3", tr("Alternate Display Mode : On in Software Mode, Off in D3D"));
    Check4 = DisplayBox(advanced, "Check4", tr("Frame Skip : Off in Software Mode / On in D3D"));
    advancedLayout->addWidget(frameLABEL, 0, 0, 1, 2);
    advancedLayout->addWidget(Check1, 1, 0);
    advancedLayout->addWidget(Check2, 1, 1);
    advancedLayout->addWidget(Check3, 2, 0);
    advancedLayout->addWidget(Check4, 2, 1);
    right->addWidget(advanced);

    auto* remarks = new QGridLayout;
    GraphicsTEXT = Remark(detailsPane, "GraphicsTEXT", tr("Graphics"), remarks, 0, 0);
    SoundTEXT = Remark(detailsPane, "SoundTEXT", tr("Sound"), remarks, 0, 1);
    MemCardTEXT = Remark(detailsPane, "MemCardTEXT", tr("Memory Cards"), remarks, 1, 0);
    OtherTEXT = Remark(detailsPane, "OtherTEXT", tr("Other (MDEC and CD-ROM)"), remarks, 1, 1);
    right->addLayout(remarks);
    right->addStretch(1);
    details->setWidget(detailsPane);
    rightColumn->addWidget(details, 1);

    auto* buttons = new QHBoxLayout;
    NewBUTTON = Button(rightPane, "NewBUTTON", tr("Add/Edit"),
                       tr("Add a game to the bleem! game database, or change the existing game informations."));
    RemoveBUTTON = Button(rightPane, "RemoveBUTTON", tr("Remove"),
                          tr("Disable the selected game entry from the database."));
    CleanUpBUTTON = Button(rightPane, "CleanUpBUTTON", tr("Clean Up"), tr("Clean up the bleem!.ini data."));
    ExitBUTTON = Button(rightPane, "ExitBUTTON", tr("Exit"), tr("Close tolva!"));
    buttons->addWidget(NewBUTTON);
    buttons->addWidget(RemoveBUTTON);
    buttons->addWidget(CleanUpBUTTON);
    buttons->addStretch(1);
    buttons->addWidget(ExitBUTTON);
    rightColumn->addLayout(buttons);
    columns->setStretchFactor(0, 2);
    columns->setStretchFactor(1, 3);

    OnSignal(platform_, ExitBUTTON, &QPushButton::clicked, this, [this] { ExitBUTTON_Click(); });
    OnSignal(platform_, SearchTEXT, &QLineEdit::textChanged, this, [this] { SearchTEXT_Change(); });
    OnSignal(platform_, GameLIST, &GameListView::currentRowChanged, this, [this] { gameLIST_Click(); });
    SearchTEXT->installEventFilter(this);
    GameLIST->installEventFilter(this);
    GameLIST->viewport()->installEventFilter(this);
    resize(980, 640);
}

void MainFORM::buildMenus() {
    auto action = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* item = menu->addAction(caption);
        item->setObjectName(QString::fromLatin1(name));
        return item;
    };
    auto separator = [](QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QString::fromLatin1(name)); };

    FileMENU = menuBar()->addMenu(tr("&File"));
    FileMENU->setObjectName(QStringLiteral("FileMENU"));
    NewMENU = action(FileMENU, "NewMENU", tr("Add/Edit Item"));
    RemoveMENU = action(FileMENU, "RemoveMENU", tr("Remove Item"));
    separator(FileMENU, "SEPARATOR1");
    ExitMENU = action(FileMENU, "ExitMENU", tr("Exit"));
    ExitMENU->setShortcut(QKeySequence::Quit);
    separator(FileMENU, "HistorySEPARATOR");
    UndoMENU = action(FileMENU, "UndoMENU", tr("Undo"));
    UndoMENU->setShortcut(QKeySequence::Undo);
    UndoMENU->setEnabled(false);
    HistoryMENU = action(FileMENU, "HistoryMENU", tr("History..."));

    FormatMENU = menuBar()->addMenu(tr("&Tools"));
    FormatMENU->setObjectName(QStringLiteral("FormatMENU"));
    CleanUpMENU = action(FormatMENU, "CleanUpMENU", tr("Clean Up"));
    RepairMENU = action(FormatMENU, "RepairMENU", tr("Repair"));
    CompareMENU = action(FormatMENU, "CompareMENU", tr("Compare"));
    // Created unavailable, and nothing makes them available.
    RepairMENU->setEnabled(false);
    CompareMENU->setEnabled(false);
    separator(FormatMENU, "SEPARATOR2");
    UpdateMENU = action(FormatMENU, "UpdateMENU", tr("Online Update (based on MSWINSCK)"));
    Update2MENU = action(FormatMENU, "Update2MENU", tr("Online Update (based on MSINET)"));
    MergeUpdateMENU = action(FormatMENU, "MergeUpdateMENU", tr("Merge Update File..."));
    MailMENU = action(FormatMENU, "MailMENU", tr("Mail to Tolva!"));
    separator(FormatMENU, "SEPERATOR4");
    GotoBleemMENU = action(FormatMENU, "GotoBleemMENU", tr("More information about the selected game"));
    separator(FormatMENU, "GamesTableSEPARATOR");
    GamesTableMENU = action(FormatMENU, "GamesTableMENU", tr("Games Table..."));
    GamesTableMENU->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    DiscCollectionMENU = action(FormatMENU, "DiscCollectionMENU", tr("Disc Collection..."));

    SettingsMENU = menuBar()->addMenu(tr("S&ettings"));  // Alt+S is the search box
    SettingsMENU->setObjectName(QStringLiteral("SettingsMENU"));
    OtherIniMENU = action(SettingsMENU, "OtherIniMENU", tr("Select another bleem!.ini file."));
    OtherTxtMENU = action(SettingsMENU, "OtherTxtMENU", tr("Select another Compatibility.txt file."));
    separator(SettingsMENU, "SEPARATOR6");
    AcuMENU = action(SettingsMENU, "AcuMENU",
                     tr("Automatic Compatibility Reload (Switch off for better performance)"));
    AcuMENU->setCheckable(true);  // checked as the settings say at start-up
    separator(SettingsMENU, "ServersSEPARATOR");
    ServersMENU = action(SettingsMENU, "ServersMENU", tr("Servers..."));

    HelpMENU = menuBar()->addMenu(tr("&Help"));
    HelpMENU->setObjectName(QStringLiteral("HelpMENU"));
    addHelpLinks();
    separator(HelpMENU, "SEPARATOR4");
    AboutMENU = action(HelpMENU, "AboutMENU", tr("About..."));

    OnSignals(platform_, this, &QAction::triggered,
              {{ExitMENU, &MainFORM::ExitBUTTON_Click},
               {OtherIniMENU, &MainFORM::OtherIniMENU_Click},
               {OtherTxtMENU, &MainFORM::OtherTxtMENU_Click},
               {GotoBleemMENU, &MainFORM::GotoBleemMENU_Click},
               {AboutMENU, &MainFORM::AboutMENU_Click},
               {RemoveMENU, &MainFORM::RemoveBUTTON_Click}});
    // The switch changes its own check mark, as the handler decides.
    OnSignal(platform_, AcuMENU, &QAction::triggered, this, [this] {
        AcuMENU->setChecked(!AcuMENU->isChecked());
        AcuMENU_Click();
    });
    OnSignal(platform_, RemoveBUTTON, &QPushButton::clicked, this, [this] { RemoveBUTTON_Click(); });
    connectWizard();
    connectTools();
    connectUpdate();
    connectMail();
    connectHistory();
}


int MainFORM::selectedRow() const { return GameLIST->currentRow(); }

void MainFORM::showGame(const QString& title) {
    if (SearchTEXT->text() == title)
        SearchTEXT_Change();  // an unchanged text sends no change of its own
    else
        SearchTEXT->setText(title);
}

void MainFORM::clearSearch() { SearchTEXT->setText(QString()); }

void MainFORM::selectRow(int row) {
    if (row < 0 || row >= GameLIST->count()) return;
    GameLIST->setCurrentRow(row);  // the details follow the current row
    GameLIST->scrollToRow(row);
    raise();
    activateWindow();
}

FailureSink MainFORM::sinkFor(const char* module) {
    return CommonErrorSink(platform_, this, QString::fromLatin1(module));
}

void MainFORM::closeEvent(QCloseEvent* event) {
    // Form_Unload: closing the main window ends the program at once.
    event->accept();
    Guarded(platform_, [] { EndProgram(); });
}

bool MainFORM::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        bool taken = false;
        if (watched == SearchTEXT) Guarded(platform_, [&] { taken = SearchTEXT_KeyPress(key); });
        if (watched == GameLIST) Guarded(platform_, [&] { taken = gameLIST_KeyPress(key); });
        if (watched == SearchTEXT || watched == GameLIST) return taken;
    } else if (event->type() == QEvent::ShortcutOverride && watched == SearchTEXT) {
        // Ctrl+Z undoes the typing in the search box while there is some, else the last change.
        if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Undo) && !SearchTEXT->isUndoAvailable()) return true;
    } else if (event->type() == QEvent::MouseButtonRelease && watched == GameLIST->viewport()) {
        Guarded(platform_, [this] { gameLIST_Click(); });  // gameLIST_MouseUp: a click on the selected row refreshes the view
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace tolva
