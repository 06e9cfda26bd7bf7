#pragma once
// RuleAccess: the few things the editing rules reach beyond the cells of a
// grid: each sheet's new-channel template, the Hyper Memory settings grids,
// and the document's decimal separator. They are reached here only, so that
// moving them elsewhere changes this file and nothing else. (The document's
// modified mark follows from its history: the view stores each finished edit.)

// std
#include <cstdint>
#include <string>

// project
#include "grid/document_controller.h"
#include "radio/radio_model.h"

namespace grid {

class RuleAccess {
public:
    explicit RuleAccess(DocumentController& controller) : controller_(controller) {}

    DocumentController& Controller() { return controller_; }
    const ChannelTemplate& Template(int sheet) { return controller_.Template(sheet); }
    // Takes the list choices of a row into the sheet's template.
    void RefreshTemplate(int sheet, int row) { controller_.RefreshTemplate(sheet, row); }
    CSpreadSheet1& HyperGrid(int hyper) { return controller_.HyperGrid(hyper); }
    std::string FormatFrequency(std::int32_t hz) const { return controller_.Doc().FormatFrequency(hz); }
    std::string FormatOffset(std::int32_t hz) const { return controller_.Doc().FormatOffset(hz); }

private:
    DocumentController& controller_;
};

} // namespace grid
