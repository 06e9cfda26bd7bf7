#pragma once
// FindBar: the bar under a view's grid that searches the channels for a text
// (name, frequency text or comment). Next and Previous (F3, Shift+F3) ask the
// view to go to the next match; Escape closes the bar.

// Qt
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace grid {

class FindBar final : public QWidget {
    Q_OBJECT
public:
    explicit FindBar(QWidget* parent = nullptr);

    QString Text() const;
    bool AllSheets() const;
    // Shows the bar with its text selected and the keyboard in it.
    void Open();
    // "Not found" under the text, or nothing.
    void ShowNotFound(bool notFound);
    QLineEdit& Field() { return *text_; }
    QCheckBox& AllSheetsBox() { return *allSheets_; }

signals:
    void findRequested(bool forward);
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* text_;
    QCheckBox* allSheets_;
    QLabel* status_;
};

} // namespace grid
