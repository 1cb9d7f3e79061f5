// SPDX-License-Identifier: GPL-3.0-or-later
// The find bar, under the fields: it takes a sequence of digits (blanks left
// out), finds its next occurrence after the caret of the current number
// field (Entrée, F3) or the one before (Maj+F3), going on from the other end
// of the text when it meets one, selects it and says which occurrence it is
// ("3e occurrence sur 17"). The occurrences are counted a million characters
// at a time between the window's events, so that counting them in tens of
// millions of digits never stops the window; an edit of the field stops the
// count.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QToolBar>

#include <functional>

class QLabel;
class QLineEdit;

namespace window {

class NumberField;
enum class SearchDirection;

class FindBar : public QToolBar {
    Q_OBJECT

public:
    // Searches the field that `currentField` gives at each search.
    FindBar(std::function<NumberField*()> currentField, QWidget* parent);

    // Shows the bar with its sequence selected, ready to be typed over.
    void open();
    // Finds the next (previous) occurrence; opens the bar when it holds no sequence.
    void findNext();
    void findPrevious();

private:
    void find(SearchDirection direction);
    void close();
    void stopCounting();
    void countSome();
    void say(const QString& text);

    std::function<NumberField*()> currentField_;
    QLineEdit* sequence_ = nullptr;
    QLabel* result_ = nullptr;

    // The count under way: of `counted_` in `counting_`, starts before `next_`
    // are counted, `before_` of them before the occurrence found at `found_`.
    QPointer<NumberField> counting_;
    QMetaObject::Connection editStopsCount_;
    QString counted_;
    QString wrapNote_;
    qsizetype found_ = 0;
    qsizetype next_ = 0;
    qsizetype total_ = 0;
    qsizetype before_ = 0;
    QTimer counter_;
};

} // namespace window
