#pragma once
// The import wizard: four pages over one ImportSession. "Import Step 1 of 4"
// skips leading rows, step 2 chooses the delimiter and qualifier, step 3
// assigns file columns to the caller's names, step 4 picks the rows, the start
// channel and overwrite, and Finish hands the rows to the callback.

#include "portkit/core/import_session.h"

// std
#include <functional>
#include <vector>

// Qt
#include <QWizard>
#include <QWizardPage>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTableView;

namespace portkit {

class ImportTableModel;

// Step 1: the lines, and how many leading ones to skip.
class CImportStep1 : public QWizardPage {
public:
    CImportStep1(ImportSession& session, QWidget* parent);
    void Activate();

    QSpinBox* SkipBox() const { return skip_; }
    QTableView* Table() const { return view_; }

private:
    void Show();

    ImportSession& session_;
    ImportTableModel* model_;
    QTableView* view_;
    QSpinBox* skip_;
};

// Step 2: "Select field delimiters."
class CImportStep2 : public QWizardPage {
public:
    CImportStep2(ImportSession& session, QWidget* parent);
    void Activate();

    QRadioButton* Delimiter(char c) const; // '\t', ';', ',', ' ', or 0 for "&Other"
    QLineEdit* OtherBox() const { return other_; }
    QCheckBox* Consecutive() const { return consecutive_; }
    QComboBox* Qualifier() const { return qualifier_; }
    QTableView* Table() const { return view_; }

private:
    void Rebuild();
    void OnDelimiter(char c);
    void OnOtherEdited(const QString& text);
    void OnQualifier(int index);

    ImportSession& session_;
    ImportTableModel* model_;
    QTableView* view_;
    QRadioButton* tab_;
    QRadioButton* semicolon_;
    QRadioButton* comma_;
    QRadioButton* space_;
    QRadioButton* otherButton_;
    QLineEdit* other_;
    QCheckBox* consecutive_;
    QComboBox* qualifier_;
};

// Step 3: column names on the file's columns.
class CImportStep3 : public QWizardPage {
public:
    CImportStep3(ImportSession& session, QWidget* parent);
    void Activate();
    bool validatePage() override;

    QTableView* Table() const { return view_; }
    QComboBox* Names() const { return names_; }
    QLabel* ColumnLabel() const { return column_; }
    const ImportTableModel& Model() const { return *model_; }
    void SelectColumn(int column); // what a click on the column's header does

private:
    void OnNameChosen(int index);

    ImportSession& session_;
    ImportTableModel* model_;
    QTableView* view_;
    QComboBox* names_;
    QLabel* column_;
    int selected_ = -1;
    bool built_ = false;
    std::size_t builtSkip_ = 0;
    SplitOptions builtSplit_;
};

// Step 4: the rows to import, the start and overwrite.
class CImportStep4 : public QWizardPage {
public:
    CImportStep4(ImportSession& session, QWidget* parent);
    void Activate();
    bool validatePage() override;

    QTableView* Table() const { return view_; }
    QSpinBox* Start() const { return start_; }
    QLabel* Available() const { return available_; }
    QLabel* Total() const { return total_; }
    QLabel* Selected() const { return selected_; }
    QCheckBox* Overwrite() const { return overwrite_; }
    QLabel* Counts() const { return counts_; }
    int Handed() const { return handed_; }

private:
    void ShowAvailable();
    void ShowSelected();
    void ShowCounts();

    ImportSession& session_;
    ImportTableModel* model_;
    QTableView* view_;
    QSpinBox* start_;
    QLabel* available_;
    QLabel* total_;
    QLabel* selected_;
    QCheckBox* overwrite_;
    QLabel* counts_;
    int handed_ = 0;
};

class ImportWizard : public QWizard {
public:
    enum Page { Step1, Step2, Step3, Step4 };

    ImportWizard(ImportSession& session, QWidget* parent);

    CImportStep1* Page1() const { return step1_; }
    CImportStep2* Page2() const { return step2_; }
    CImportStep3* Page3() const { return step3_; }
    CImportStep4* Page4() const { return step4_; }

    // Help context 200 + the step's index; opens the help page unless replaced.
    std::function<void(int context)> showHelp;

private:
    void OnPageChanged(int id);

    CImportStep1* step1_;
    CImportStep2* step2_;
    CImportStep3* step3_;
    CImportStep4* step4_;
};

// ImportData for the C entry: reads the file (or shows the open error), runs
// the wizard, true when it ended with Finish.
bool RunImport(const ImportDataStruct* data, const char* const* names, const int* widths, const char* path,
               ImportRowCallback callback);

// The counter the following RunImport calls hand to their session.
void SetCounter(const ImportCounter& counter);

// The column assignment of step 3 in the latest RunImport, kept when it ended
// with Finish; empty while one runs and after one that did not.
const std::vector<int>& FinishedAssignment();

} // namespace portkit
