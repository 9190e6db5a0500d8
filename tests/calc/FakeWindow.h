// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A window that records every operation in order and can be told to fail one of them.

#include "AppError.h"
#include "CalcWindow.h"
#include "CalculateCommand.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace pellucor::testing {

class FakeWindow : public CalcWindow {
public:
    struct Box {
        std::string text;
        int style;
    };

    std::map<Field, std::string> texts{{Field::NPV, "60000"},
                                       {Field::Duration, "360"},
                                       {Field::PMT, "617.17"},
                                       {Field::ClosingCost, "0"},
                                       {Field::Result, ""}};
    std::vector<std::string> log;  // "SetText txtResult=...", "Repaint", "SetEnabled 0", ...
    std::vector<Box> boxes;
    std::vector<std::string> reports;  // procedure names that reported an error
    bool enabled = true;
    MousePointer pointer = MousePointer::Default;
    Field focused = Field::NPV;
    int searchesSeen = 0;  // how often the busy text was written

    // Called before each operation with its log entry; throw from it to make that operation fail.
    std::function<void(const std::string&)> failWhen;

    void SetInputs(const std::string& npv, const std::string& n, const std::string& pmt, const std::string& closing) {
        texts[Field::NPV] = npv;
        texts[Field::Duration] = n;
        texts[Field::PMT] = pmt;
        texts[Field::ClosingCost] = closing;
    }
    const std::string& Result() { return texts[Field::Result]; }

    std::string Text(Field f) override {
        Record(std::string("Text ") + FieldName(f));
        return texts[f];
    }
    void SetText(Field f, const std::string& t) override {
        Record(std::string("SetText ") + FieldName(f) + "=" + t);
        if (f == Field::Result && t == BusyText)
            ++searchesSeen;
        texts[f] = t;
    }
    void Repaint() override { Record("Repaint"); }
    void SetEnabled(bool e) override {
        Record(std::string("SetEnabled ") + (e ? "1" : "0"));
        enabled = e;
    }
    void SetMousePointer(MousePointer p) override {
        Record("SetMousePointer " + std::to_string(static_cast<int>(p)));
        pointer = p;
    }
    void SelectField(Field f, const std::string& message) override {
        Record(std::string("SelectField ") + FieldName(f) + (message.empty() ? "" : " box"));
        focused = f;
        if (!message.empty())
            boxes.push_back({message, 0});
    }
    int MsgBox(const std::string& text, int style) override {
        Record("MsgBox");
        boxes.push_back({text, style});
        return 1;
    }
    void ErrorReported(const std::string& procedureName) override { reports.push_back(procedureName); }

private:
    void Record(const std::string& entry) {
        log.push_back(entry);
        if (failWhen)
            failWhen(entry);
    }
};

}  // namespace pellucor::testing
