// The Qt headers most window code and window tests include, compiled once per
// target that links Qt Widgets.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTableView>
#include <QTimer>
#include <QWidget>
