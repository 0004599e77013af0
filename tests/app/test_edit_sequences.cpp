// Random sequences of edits with real key strokes and clicks on the window, checked after every
// edit against an independent model of both tables: typing with Enter, Tab, Shift+Tab and the
// arrow keys while a cell is open, a click on the cell a Tab moved to, the Delete key, freehand
// vertices left without closing the figure, tab switches, and bursts of undo and redo. After each
// edit the tables must equal the model, every change must be exactly one undo step, and the
// newest snapshot file must hold the tables as they stand (what recovery would bring back).
#include <QAction>
#include <QComboBox>
#include <QRandomGenerator>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "../core/GridText.h"
#include "ScriptedMessenger.h"
#include "WindowEvents.h"
#include "app/MainWindow.h"
#include "canvas/SectionCanvas.h"
#include "io/CoordText.h"
#include "io/UndoStore.h"

using namespace kuvanto;
using namespace kuvanto::test;

namespace {

// Both tables as rows "x,y", the entry row last.
struct Tables {
    QStringList table[2];
    bool operator==(const Tables&) const = default;
};

// What the tables should hold: the states of the undo history and where in it the tables are.
class TableModel {
public:
    explicit TableModel(const Tables& start) : states_{start} {}
    const Tables& now() const { return states_[position_]; }
    int steps() const { return position_; }

    // One change: a new state when it changed anything, ending the steps that could be redone.
    void change(const std::function<void(Tables&)>& edit) {
        Tables next = now();
        edit(next);
        if (next == now()) return;
        states_.resize(position_ + 1);
        states_.push_back(next);
        ++position_;
    }
    // Writes `text` into (row, col) of table `t`; typing on the entry row adds one below it.
    void setCell(int t, int row, int col, const QString& text) {
        change([&](Tables& tables) {
            QStringList& rows = tables.table[t];
            QStringList cells = rows[row - 1].split(QLatin1Char(','));
            cells[col] = text;
            rows[row - 1] = cells.join(QLatin1Char(','));
            if (row == rows.size() && !text.isEmpty()) rows << QStringLiteral(",");
        });
    }
    // The table a step changed, or -1 when it changed both.
    static int changedTable(const Tables& before, const Tables& after) {
        const bool first = before.table[0] != after.table[0];
        const bool second = before.table[1] != after.table[1];
        return first == second ? -1 : (first ? 0 : 1);
    }
    int undo() {
        if (position_ == 0) return -1;
        --position_;
        return changedTable(states_[position_ + 1], states_[position_]);
    }
    int redo() {
        if (position_ + 1 >= int(states_.size())) return -1;
        ++position_;
        return changedTable(states_[position_ - 1], states_[position_]);
    }

private:
    std::vector<Tables> states_;
    int position_ = 0;
};

}  // namespace

class TestEditSequences : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void randomEditsMatchTheModel_data();
    void randomEditsMatchTheModel();

private:
    QTableView* view(int t) const {
        return window_->findChild<QTableView*>(t == 0 ? QStringLiteral("Add_Grid")
                                                      : QStringLiteral("Sbtrt_Grid"));
    }
    CoordTable& grid(int t) {
        return t == 0 ? window_->work().addGrid : window_->work().subtractedGrid;
    }
    Tables tables() { return {{rowsOf(grid(0)), rowsOf(grid(1))}}; }
    void clickCell(int row, int col) { clickAt(view(tab_), cellPoint(view(tab_), row, col)); }
    QString number() { return QString::number(random_.bounded(1, 90)); }
    // One random edit, made on the window and on the model. The text names it for messages.
    QString randomEdit(TableModel& model);
    bool drawFreehand(TableModel& model, int row);

    std::unique_ptr<QTemporaryDir> dir_;
    ScriptedMessenger msg_;
    std::unique_ptr<MainWindow> window_;
    QRandomGenerator random_;
    int tab_ = 0;
};

void TestEditSequences::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    msg_ = ScriptedMessenger();
    window_ = std::make_unique<MainWindow>(dir_->path(), &msg_);
    window_->resize(1000, 700);
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    window_->findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentText(QStringLiteral("10"));
    tab_ = 0;
}

void TestEditSequences::cleanup() {
    window_.reset();
    dir_.reset();
}

bool TestEditSequences::drawFreehand(TableModel& model, int row) {
    SectionCanvas* canvas = window_->canvas();
    // Two grid points well inside the canvas, so that a click snaps to exactly that point.
    QList<QPoint> targets;
    for (int x = 0; x <= 90 && targets.size() < 2; x += 30) {
        for (int y = 0; y <= 90 && targets.size() < 2; y += 30) {
            const QPointF at = canvas->toWidget(WorldPt{double(x), double(y)});
            if (canvas->rect().adjusted(20, 20, -20, -20).contains(at.toPoint()))
                targets << QPoint(x, y);
        }
    }
    if (targets.size() < 2) return false;
    clickCell(row, 0);
    msg_.answers = {true};
    window_->command(QStringLiteral("FreeHand"))->trigger();
    for (const QPoint& p : targets) clickAt(canvas, canvasPoint(canvas, p.x(), p.y()));
    const int t = tab_;
    // Left without closing: Esc on the canvas, the end command or a tab switch.
    switch (random_.bounded(3)) {
        case 0:
            QTest::keyClick(canvas, Qt::Key_Escape);
            break;
        case 1:
            window_->command(QStringLiteral("FreeHand_End"))->trigger();
            break;
        default: {
            tab_ = 1 - tab_;
            auto* tabs = window_->findChild<QTabBar*>(QStringLiteral("TabStrip1"));
            clickAt(tabs, tabs->mapTo(window_.get(), tabs->tabRect(tab_).center()));
            break;
        }
    }
    if (window_->freehand().on()) return false;
    model.change([&](Tables& tables) {
        for (int i = 0; i < targets.size(); ++i)
            tables.table[t].insert(row - 1 + i,
                                   QStringLiteral("%1,%2").arg(targets[i].x()).arg(targets[i].y()));
    });
    return true;
}

QString TestEditSequences::randomEdit(TableModel& model) {
    const int rows = model.now().table[tab_].size();  // the entry row is the last
    const int row = random_.bounded(1, rows + 1);
    const int col = random_.bounded(2);
    const QString v = number(), w = number();
    const QString at = QStringLiteral(" at %1,%2").arg(row).arg(col);
    switch (random_.bounded(11)) {
        case 0: {
            clickCell(row, col);
            typeKeys(v + " Enter");
            model.setCell(tab_, row, col, v);
            return "type Enter" + at;
        }
        case 1: {
            clickCell(row, col);
            typeKeys(v + " Down " + w + " Enter");
            model.setCell(tab_, row, col, v);
            model.setCell(tab_, row + 1, col, w);
            return "type Down type" + at;
        }
        case 2: {
            clickCell(row, 1);
            typeKeys(v + " S-Tab " + w + " Enter");
            model.setCell(tab_, row, 1, v);
            model.setCell(tab_, row, 0, w);
            return "type Shift+Tab type" + at;
        }
        case 3: {
            clickCell(row, 1);
            typeKeys(v + " Tab");
            clickCell(row + 1, 0);
            typeKeys(w + " Enter");
            model.setCell(tab_, row, 1, v);
            model.setCell(tab_, row + 1, 0, w);
            return "type Tab, click the next cell, type" + at;
        }
        case 4: {
            clickCell(row, col);
            typeKeys(v + " Tab " + w + " Tab Up Up Esc");
            model.setCell(tab_, row, col, v);
            model.setCell(tab_, col == 0 ? row : row + 1, col == 0 ? 1 : 0, w);
            return "type Tab type Tab, arrows" + at;
        }
        case 5: {
            clickCell(row, col);
            typeKeys("Del");
            if (row < rows) model.setCell(tab_, row, col, QString());
            return "Delete" + at;
        }
        case 6: {
            clickCell(row, col);
            typeKeys("Down Down " + v + " Enter");
            const int target = std::min(row + 2, rows);
            model.setCell(tab_, target, col, v);
            return "arrows then type" + at;
        }
        case 7: {
            if (!drawFreehand(model, row)) return QStringLiteral("no freehand (view too small)");
            return "freehand left open" + at;
        }
        case 8: {
            tab_ = 1 - tab_;
            auto* tabs = window_->findChild<QTabBar*>(QStringLiteral("TabStrip1"));
            clickAt(tabs, tabs->mapTo(window_.get(), tabs->tabRect(tab_).center()));
            return QStringLiteral("tab switch");
        }
        case 9: {
            const int count = random_.bounded(1, 4);
            clickCell(row, col);
            for (int i = 0; i < count; ++i) {
                QTest::keyClick(focused(), Qt::Key_Z, Qt::ControlModifier);
                const int changed = model.undo();
                if (changed >= 0) tab_ = changed;
            }
            return QStringLiteral("undo x%1").arg(count);
        }
        default: {
            const int count = random_.bounded(1, 4);
            clickCell(row, col);
            for (int i = 0; i < count; ++i) {
                QTest::keyClick(focused(), Qt::Key_Y, Qt::ControlModifier);
                const int changed = model.redo();
                if (changed >= 0) tab_ = changed;
            }
            return QStringLiteral("redo x%1").arg(count);
        }
    }
}

void TestEditSequences::randomEditsMatchTheModel_data() {
    QTest::addColumn<quint32>("seed");
    for (const quint32 seed : {1u, 27u, 2024u})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

void TestEditSequences::randomEditsMatchTheModel() {
    QFETCH(quint32, seed);
    random_.seed(seed);
    TableModel model(tables());
    const int base = window_->work().history().undoCount();
    window_->work().addGrid = gridOf({"10,10", "80,10", "80,80", ","});
    window_->work().subtractedGrid = gridOf({"30,30", "50,30", ","});
    window_->work().saveUndo();
    window_->refreshViews();
    model.change([&](Tables& t) { t = tables(); });
    QStringList done;
    for (int step = 0; step < 70; ++step) {
        done << randomEdit(model);
        const QString trail = done.mid(std::max<qsizetype>(0, done.size() - 4)).join(" / ");
        QVERIFY2(tables() == model.now(),
                 qPrintable(trail + "\n  added: " + tables().table[0].join(' ') +
                            "\n  model: " + model.now().table[0].join(' ') +
                            "\n  subtracted: " + tables().table[1].join(' ') +
                            "\n  model: " + model.now().table[1].join(' ')));
        QVERIFY2(window_->work().history().undoCount() - base == model.steps(),
                 qPrintable(trail + QStringLiteral(": %1 steps, the model %2")
                                        .arg(window_->work().history().undoCount() - base)
                                        .arg(model.steps())));
        QCOMPARE(int(window_->shownTab()), tab_);
        // What recovery would bring back after a crash right now: the tables as their text form
        // holds them (which keeps no row whose X is empty).
        CoordTable add, subtracted, textAdd, textSubtracted;
        const QString folder = window_->work().snapshotFolder();
        QVERIFY(readCoordText(folder + '/' + UndoStore::newestSnapshot(folder), add, subtracted));
        parseCoordText(coordText(grid(0), grid(1)), textAdd, textSubtracted);
        QVERIFY2(rowsOf(add) == rowsOf(textAdd) && rowsOf(subtracted) == rowsOf(textSubtracted),
                 qPrintable(trail + ": the snapshot file is behind"));
    }
}

QTEST_MAIN(TestEditSequences)
#include "test_edit_sequences.moc"
