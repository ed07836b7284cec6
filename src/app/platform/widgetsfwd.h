#pragma once
// The controls a window's header names only by pointer, declared once for every window header
// (the header then needs none of Qt's widget headers).
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableView;
