// SPDX-License-Identifier: GPL-3.0-or-later
// The time that the window's thread spends on a number field holding 1 to 40
// million digits: setting the text and painting the first screen, scrolling
// to the end, typing a digit at the end or at the start, deleting half the
// text, copying all of it, undoing, showing a result that the engine gave;
// and reading a field's text as the engine's UTF-8. QPlainTextEdit, the
// field that window::NumberField replaced, set up as the window had it, runs
// the same steps at the sizes where it finishes in reasonable time.
//
// The reading aids, on window::NumberField alone: painting a screen of
// digits in groups of three and without groups, a caret move with the status
// bar's figures, going to a digit, finding a 9-digit sequence that the text
// does not hold, and one of the 20 steps of a drag of the scroll bar's thumb
// from top to bottom.
//
// Runs on Qt's offscreen platform; every step paints the field as it ends.
#include "window/field_status.h"
#include "window/number_field/long_text.h"
#include "window/number_field/number_field.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyleOptionSlider>
#include <QTextCursor>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

namespace {

// The result field's size at scale 1.
constexpr int FieldWidth = 537;
constexpr int FieldHeight = 41;

// `millions` million digits, opening with `first`. Forty million are as many
// as a field takes: a thousand fewer leave room for the digits typed.
QString digits(std::int64_t millions, char16_t first = u'1') {
    QString text = QStringLiteral("1234567890").repeated(millions * 100'000);
    if (text.size() == window::NumberField::MaxLength) {
        text.chop(1000);
    }
    text[0] = first;
    return text;
}

void configure(QPlainTextEdit& field) {
    field.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    field.setWordWrapMode(QTextOption::WrapAnywhere);
}
void configure(window::NumberField&) {}

void select(QPlainTextEdit& field, qsizetype from, qsizetype to) {
    QTextCursor cursor = field.textCursor();
    cursor.setPosition(int(from));
    cursor.setPosition(int(to), QTextCursor::KeepAnchor);
    field.setTextCursor(cursor);
}
void select(window::NumberField& field, qsizetype from, qsizetype to) {
    field.setSelection(from, to);
}

// A field of the window's font and size, shown, holding `millions` million digits.
template <typename Field> std::unique_ptr<Field> shownField(std::int64_t millions) {
    auto field = std::make_unique<Field>();
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferNoShaping);
    field->setFont(font);
    configure(*field);
    field->resize(FieldWidth, FieldHeight);
    field->show();
    // Painting starts once the platform has shown the field.
    while (!field->windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    field->setPlainText(digits(millions));
    field->viewport()->repaint();
    return field;
}

void press(QWidget& field, int key, Qt::KeyboardModifiers modifiers = {},
           const QString& text = {}) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&field, &event);
}

template <typename Field> void setAndPaint(benchmark::State& state) {
    auto field = shownField<Field>(state.range(0));
    const QString texts[] = {digits(state.range(0), u'2'), digits(state.range(0), u'3')};
    int next = 0;
    for (auto _ : state) {
        field->setPlainText(texts[next ^= 1]);
        field->viewport()->repaint();
    }
}

template <typename Field> void scrollToEndAndPaint(benchmark::State& state) {
    auto field = shownField<Field>(state.range(0));
    QScrollBar* bar = field->verticalScrollBar();
    for (auto _ : state) {
        state.PauseTiming();
        bar->setValue(0);
        field->viewport()->repaint();
        state.ResumeTiming();
        bar->setValue(bar->maximum());
        field->viewport()->repaint();
    }
}

// Ctrl+`where` (End or Home), then a digit typed.
template <typename Field, Qt::Key where> void typeAt(benchmark::State& state) {
    auto field = shownField<Field>(state.range(0));
    for (auto _ : state) {
        press(*field, where, Qt::ControlModifier);
        press(*field, Qt::Key_1, {}, QStringLiteral("1"));
        field->viewport()->repaint();
    }
}

template <typename Field> void deleteHalf(benchmark::State& state) {
    auto field = shownField<Field>(state.range(0));
    const QString whole = field->toPlainText();
    for (auto _ : state) {
        state.PauseTiming();
        field->setPlainText(whole);
        select(*field, whole.size() / 4, whole.size() / 4 * 3);
        field->viewport()->repaint();
        state.ResumeTiming();
        press(*field, Qt::Key_Delete);
        field->viewport()->repaint();
    }
}

template <typename Field> void selectAllAndCopy(benchmark::State& state) {
    auto field = shownField<Field>(state.range(0));
    for (auto _ : state) {
        press(*field, Qt::Key_A, Qt::ControlModifier);
        press(*field, Qt::Key_C, Qt::ControlModifier);
        field->viewport()->repaint();
        state.PauseTiming();
        QGuiApplication::clipboard()->clear();
        state.ResumeTiming();
    }
}

template <typename Field> void undoInsertion(benchmark::State& state) {
    auto field = shownField<Field>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        press(*field, Qt::Key_End, Qt::ControlModifier);
        press(*field, Qt::Key_1, {}, QStringLiteral("1"));
        field->viewport()->repaint();
        state.ResumeTiming();
        press(*field, Qt::Key_Z, Qt::ControlModifier);
        field->viewport()->repaint();
    }
}

// What the window does with a result once the engine has returned it: the
// UTF-8 text becomes the field's text, and the field is painted.
template <typename Field> void showResult(benchmark::State& state) {
    auto field = shownField<Field>(1);
    const std::string results[] = {digits(state.range(0), u'2').toStdString(),
                                   digits(state.range(0), u'3').toStdString()};
    int next = 0;
    for (auto _ : state) {
        field->setPlainText(window::fromUtf8(results[next ^= 1]));
        field->viewport()->repaint();
    }
}

// What reading a field costs a handler: its text in UTF-8.
void readField(benchmark::State& state) {
    const QString text = digits(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(window::toUtf8(text).size());
    }
}

// --- Reading aids ------------------------------------------------------------

// A field of the window's font, shown, holding `text`, scrolled to its middle.
std::unique_ptr<window::NumberField> fieldInTheMiddle(const QString& text, int digitsPerGroup) {
    auto field = shownField<window::NumberField>(1);
    field->setDigitGrouping(digitsPerGroup);
    field->setPlainText(text);
    field->setSelection(text.size() / 2, text.size() / 2);
    field->viewport()->repaint();
    return field;
}

template <int digitsPerGroup> void paintScreen(benchmark::State& state) {
    auto field = fieldInTheMiddle(digits(state.range(0)), digitsPerGroup);
    for (auto _ : state) {
        field->viewport()->repaint();
    }
}

// Right, and the status bar's figures follow; both painted.
void moveCaretWithStatus(benchmark::State& state) {
    auto field = fieldInTheMiddle(digits(state.range(0)), 3);
    QStatusBar bar;
    bar.resize(FieldWidth, 20);
    bar.show();
    window::FieldStatus status(bar);
    status.follow(field.get());
    for (auto _ : state) {
        press(*field, Qt::Key_Right);
        field->viewport()->repaint();
        bar.repaint();
    }
}

void goToDigit(benchmark::State& state) {
    auto field = fieldInTheMiddle(digits(state.range(0)), 3);
    const qsizetype count = field->digitCount();
    qsizetype number = 1;
    for (auto _ : state) {
        number = (number + count / 7) % count + 1;
        field->goToDigit(number);
        field->viewport()->repaint();
    }
}

// Digits as a generator of Knuth's MMIX draws them, where any sequence may
// stand anywhere; and a 9-digit sequence that they do not hold.
QString drawnDigits(std::int64_t millions) {
    QString text(millions * 1'000'000 - (millions == 40 ? 1000 : 0), u'0');
    std::uint64_t state = 20240501;
    for (QChar& c : text) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        c = QChar(u'0' + char16_t((state >> 33) % 10));
    }
    return text;
}

void findAbsentSequence(benchmark::State& state) {
    const QString text = drawnDigits(state.range(0));
    QString sequence = QStringLiteral("314159265");
    while (QStringView(text).indexOf(sequence) >= 0) {
        sequence = QString::number(sequence.toInt() + 1);
    }
    auto field = fieldInTheMiddle(text, 3);
    for (auto _ : state) {
        benchmark::DoNotOptimize(field->findSequence(sequence, window::SearchDirection::Forward));
        field->viewport()->repaint();
    }
}

// The thumb held down and moved by a twentieth of its way each step.
void dragScrollBarStep(benchmark::State& state) {
    auto field = fieldInTheMiddle(digits(state.range(0)), 3);
    QScrollBar* bar = field->verticalScrollBar();
    bar->setValue(0);
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Vertical;
    option.maximum = bar->maximum();
    option.pageStep = bar->pageStep();
    const QRect groove = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                      QStyle::SC_ScrollBarGroove, bar);
    const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                     QStyle::SC_ScrollBarSlider, bar);
    const auto mouse = [bar](QEvent::Type type, int y, Qt::MouseButtons buttons) {
        const QPointF at(bar->width() / 2, y);
        QMouseEvent event(type, at, bar->mapToGlobal(at), Qt::LeftButton, buttons, {});
        QApplication::sendEvent(bar, &event);
    };
    mouse(QEvent::MouseButtonPress, thumb.center().y(), Qt::LeftButton);
    const int way = groove.height() - thumb.height();
    int step = 0;
    for (auto _ : state) {
        mouse(QEvent::MouseMove, thumb.center().y() + way * (++step % 21) / 20, Qt::LeftButton);
        field->viewport()->repaint();
    }
    mouse(QEvent::MouseButtonRelease, thumb.center().y(), Qt::NoButton);
}

void registerReadingAids(std::initializer_list<int> millions) {
    using Step = void (*)(benchmark::State&);
    const std::pair<const char*, Step> steps[] = {
        {"PaintGrouped", &paintScreen<3>},
        {"PaintUngrouped", &paintScreen<0>},
        {"MoveCaretWithStatus", &moveCaretWithStatus},
        {"GoToDigit", &goToDigit},
        {"FindAbsentSequence", &findAbsentSequence},
        {"DragScrollBarStep", &dragScrollBarStep},
    };
    for (const auto& [step, function] : steps) {
        for (const int size : millions) {
            benchmark::RegisterBenchmark((std::string(step) + "/NumberField").c_str(), function)
                ->Arg(size)
                ->Iterations(20)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
        }
    }
}

template <typename Field>
void registerField(const char* name, std::initializer_list<std::pair<int, int>> millionsAndRuns) {
    using Step = void (*)(benchmark::State&);
    const std::pair<const char*, Step> steps[] = {
        {"SetAndPaint", &setAndPaint<Field>},
        {"ScrollToEndAndPaint", &scrollToEndAndPaint<Field>},
        {"TypeAtEnd", &typeAt<Field, Qt::Key_End>},
        {"TypeAtStart", &typeAt<Field, Qt::Key_Home>},
        {"DeleteHalf", &deleteHalf<Field>},
        {"SelectAllAndCopy", &selectAllAndCopy<Field>},
        {"UndoInsertion", &undoInsertion<Field>},
        {"ShowResult", &showResult<Field>},
    };
    for (const auto& [step, function] : steps) {
        for (const auto& [millions, runs] : millionsAndRuns) {
            benchmark::RegisterBenchmark((std::string(step) + "/" + name).c_str(), function)
                ->Arg(millions)
                ->Iterations(runs)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    registerField<window::NumberField>("NumberField", {{1, 20}, {10, 20}, {20, 20}, {40, 10}});
    registerField<QPlainTextEdit>("QPlainTextEdit", {{1, 3}, {10, 1}});
    registerReadingAids({1, 20, 40});
    for (const int millions : {1, 10, 20, 40}) {
        benchmark::RegisterBenchmark("ReadField", readField)
            ->Arg(millions)
            ->Iterations(10)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
