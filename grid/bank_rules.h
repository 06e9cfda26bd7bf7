#pragma once
// The banks: the "Bank Settings" layout of the Memories sheet and the bank
// rules of the five Hyper Memory settings grids (scan choices only for
// channels that exist, bank links only for banks with members, the memory
// bank choice that selects the bank's first channel).

// std
#include <string>

namespace grid {

class CSpreadSheet1;
class RuleAccess;
class DocumentController;

inline constexpr const char* kBankLinkError =
    "Bank linking can not be enabled for banks that have no memories assigned.";
inline constexpr const char* kBankLinkCaption = "Bank Error";
inline constexpr const char* kEmptyBankFormat = "%s does not have any channels assigned and can not be set.";
inline constexpr const char* kEmptyBankCaption = "Bank Setting";

// The bank layout of the Memories sheet: on hides every shown column 2..14
// but Name and remembers which; off shows exactly those again.
void SetBankLayout(DocumentController& controller, bool on);
// After the column options were applied with the bank layout on: the layout
// hides again what the options show, and forgets what the options hide, so
// turning it off leaves the columns as the options say.
void KeepBankLayout(DocumentController& controller);

// The first Memories row (0-based) with a receive frequency, -1 when none.
int FirstChannelInUse(DocumentController& controller);

class BankRules {
public:
    // Installs the handlers on the five settings grids; they go with the object.
    explicit BankRules(RuleAccess& access);
    ~BankRules();
    BankRules(const BankRules&) = delete;
    BankRules& operator=(const BankRules&) = delete;

private:
    void OnEditMode(int hyper, int col, int row, int mode);
    void OnButton(int hyper, int col, int row, int state);
    void OnListChange(int hyper, int col, int row);
    void RefuseBankLink(CSpreadSheet1& grid, int row);
    void ChooseBank(CSpreadSheet1& grid, int entry);

    RuleAccess& access_;
    DocumentController& controller_;
};

} // namespace grid
