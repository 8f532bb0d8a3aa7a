#pragma once

#include "systems/Conditions.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QToolButton;

namespace taru::ui {

class TStandardFrm;

// The constructor's four required-number sets, one row each: the button that opens the
// fixed-numbers dialog, the set's numbers and its "Από" and "Έως" limits.
class RequiredSetRows : public QWidget {
    Q_OBJECT
public:
    struct Row {
        QToolButton *button;
        QLabel *label;
        QLineEdit *from;
        QLineEdit *to;
    };
    // The form's names of each row's controls, in condition order.
    struct Names {
        const char *button;
        const char *label;
        const char *from;
        const char *to;
    };
    static constexpr int kRowPitch = 32;
    static constexpr int kHeadingHeight = 22;

    RequiredSetRows(const std::array<Names, kRequiredSetCount> &names, QWidget *parent);

    Row row(int set) const; // RangeError outside 0..3
    RequiredNumberSet values(int set) const;
    void setValues(int set, const RequiredNumberSet &values);
    // Every set empty, "0" to "0".
    void reset();

    // Opens the fixed-numbers dialog on the set; OK stores its answer, Cancel leaves the set as
    // it was.
    void edit(int set, TStandardFrm &dialog);

private:
    std::array<Row, kRequiredSetCount> rows_{};
};

} // namespace taru::ui
