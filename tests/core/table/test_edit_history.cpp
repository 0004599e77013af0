// The undo history of both tables: random edits of every kind undone and redone against full
// copies of the tables, more than a hundred steps, steps that cost what they changed, a new
// change ending the redo steps, the memory bound dropping the oldest steps, a step made away
// from the tables (a large file read) acting as a recorded one, and the changes handed out
// keeping a copy of the tables equal to them.
#include <QtTest>
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/table/CoordTable.h"
#include "core/table/EditHistory.h"

using namespace kuvanto;

namespace {

// Every cell text, header and entry row included.
std::vector<std::string> cells(const CoordTable& t) {
    std::vector<std::string> all;
    for (int r = 0; r < t.rows(); ++r) {
        all.push_back(t.text(r, 0));
        all.push_back(t.text(r, 1));
    }
    return all;
}

struct State {
    std::vector<std::string> add, subtracted;
    bool operator==(const State&) const = default;
};

State stateOf(const CoordTable& add, const CoordTable& subtracted) {
    return {cells(add), cells(subtracted)};
}

CoordTable tableOfRows(int rows) {
    CoordTable t;
    resetCoordTable(t);
    t.setRows(1);
    for (int r = 0; r < rows; ++r) t.appendRow(std::to_string(r) + ".5", std::to_string(-r));
    t.appendRow("", "");
    return t;
}

// One random edit of the kinds the commands make: a cell, rows inserted or removed anywhere
// (the top and bottom rows included), the header changed, the row count changed, a changed copy
// put in the table's place, the whole table replaced.
void randomEdit(std::mt19937& random, CoordTable& t) {
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    switch (pick(0, 7)) {
        case 0:
            t.setText(pick(1, t.rows() - 1), pick(0, 1), std::to_string(pick(-99, 99)));
            break;
        case 1:
            t.insertRows(pick(1, t.rows()), pick(1, 4));
            break;
        case 2:
            if (t.rows() > 2) t.removeRows(pick(1, t.rows() - 1), 1);
            break;
        case 3:
            t.setText(0, pick(0, 1), pick(0, 1) ? "X" : "");
            break;
        case 4:
            t.appendRow("<<図形区切り>>", "");
            break;
        case 5:
            t.setRows(std::max(2, t.rows() + pick(-2, 2)));
            break;
        case 6: {
            // A copy changed and put in the table's place, as a command working on a copy does:
            // the copy carries the table's record of what changed.
            CoordTable copy(t);
            copy.setText(pick(0, copy.rows() - 1), pick(0, 1), "copied");
            if (copy.rows() > 2) copy.removeRows(pick(1, copy.rows() - 1), 1);
            t = std::move(copy);
            break;
        }
        default:
            t = tableOfRows(pick(0, 6));
            break;
    }
}

}  // namespace

class TestEditHistory : public QObject {
    Q_OBJECT
private slots:
    void randomEditsUndoAndRedoExactly() {
        std::mt19937 random(20);
        for (int round = 0; round < 60; ++round) {
            CoordTable add = tableOfRows(5), subtracted = tableOfRows(2);
            EditHistory history;
            history.reset(add, subtracted);
            std::vector<State> states{stateOf(add, subtracted)};
            for (int step = 0; step < 40; ++step) {
                randomEdit(random, random() % 3 ? add : subtracted);
                if (history.record(add, subtracted)) states.push_back(stateOf(add, subtracted));
            }
            QCOMPARE(history.undoCount(), int(states.size()) - 1);
            for (int i = int(states.size()) - 2; i >= 0; --i) {
                QVERIFY(history.undo(add, subtracted));
                QVERIFY2(stateOf(add, subtracted) == states[i], qPrintable(QString::number(i)));
            }
            QVERIFY(!history.undo(add, subtracted));
            for (std::size_t i = 1; i < states.size(); ++i) {
                QVERIFY(history.redo(add, subtracted));
                QVERIFY(stateOf(add, subtracted) == states[i]);
            }
            QVERIFY(!history.redo(add, subtracted));
        }
    }

    void moreThanAHundredSteps() {
        CoordTable add = tableOfRows(3), subtracted;
        EditHistory history;
        history.reset(add, subtracted);
        for (int i = 0; i < 250; ++i) {
            add.setText(2, 0, std::to_string(i));
            QVERIFY(history.record(add, subtracted));
        }
        for (int i = 248; i >= 0; --i) {
            QVERIFY(history.undo(add, subtracted));
            QCOMPARE(add.text(2, 0), std::to_string(i));
        }
        QVERIFY(history.undo(add, subtracted));
        QCOMPARE(add.text(2, 0), std::string("1.5"));
        QVERIFY(!history.canUndo());
        QCOMPARE(history.redoCount(), 250);
    }

    // A step keeps the rows that changed, not the table.
    void stepCostsWhatTheChangeTouched() {
        CoordTable add = tableOfRows(100000), subtracted;
        EditHistory history;
        history.reset(add, subtracted);
        add.setText(50000, 0, "7");
        QVERIFY(history.record(add, subtracted));
        QVERIFY2(history.bytes() < 512, qPrintable(QString::number(history.bytes())));
        add.insertRows(20000, 3);
        QVERIFY(history.record(add, subtracted));
        QVERIFY(history.bytes() < 1024);
        QVERIFY(history.undo(add, subtracted));
        QVERIFY(history.undo(add, subtracted));
        QCOMPARE(add.rows(), 100002);
        QCOMPARE(add.text(50000, 0), std::string("49999.5"));
        // Recording without a change makes no step.
        QVERIFY(!history.record(add, subtracted));
        QCOMPARE(history.redoCount(), 2);
    }

    void newChangeEndsRedo() {
        CoordTable add = tableOfRows(2), subtracted;
        EditHistory history;
        history.reset(add, subtracted);
        add.setText(1, 0, "a");
        history.record(add, subtracted);
        add.setText(1, 0, "b");
        history.record(add, subtracted);
        QVERIFY(history.undo(add, subtracted));
        QVERIFY(history.canRedo());
        subtracted.setText(1, 0, "c");
        QVERIFY(history.record(add, subtracted));
        QVERIFY(!history.canRedo());
        QVERIFY(!history.redo(add, subtracted));
        QCOMPARE(add.text(1, 0), std::string("a"));
        QCOMPARE(subtracted.text(1, 0), std::string("c"));
    }

    void boundDropsTheOldestSteps() {
        CoordTable add = tableOfRows(1000), subtracted;
        EditHistory history;
        history.reset(add, subtracted);
        for (int i = 1; i <= 10; ++i) {
            add = tableOfRows(1000 + i);  // whole-table steps
            history.record(add, subtracted);
        }
        const std::size_t perStep = history.bytes() / 10;
        history.setLimitBytes(perStep * 4);
        QVERIFY(history.bytes() <= perStep * 4 + perStep / 2);
        const int dropped = history.takeDroppedSteps();
        QVERIFY(dropped >= 6);
        QCOMPARE(history.takeDroppedSteps(), 0);
        QCOMPARE(history.undoCount(), 10 - dropped);
        while (history.undo(add, subtracted)) {
        }
        QCOMPARE(add.rows(), 1000 + dropped + 2);  // the oldest steps are gone
    }

    // A copy that follows the changes handed out stays equal to the recorded tables through
    // random edits, undo and redo, taken at random moments; after reset the changes are not
    // known until the next take.
    void changesKeepACopyEqual() {
        std::mt19937 random(7);
        CoordTable add = tableOfRows(5), subtracted = tableOfRows(2);
        EditHistory history;
        history.reset(add, subtracted);
        QVERIFY(!history.takeChanges().known);
        CoordTable copyAdd = add, copySubtracted = subtracted;
        for (int step = 0; step < 400; ++step) {
            const int what = int(random() % 4);
            if (what == 0) {
                history.undo(add, subtracted);
            } else if (what == 1) {
                history.redo(add, subtracted);
            } else {
                randomEdit(random, random() % 3 ? add : subtracted);
                history.record(add, subtracted);
            }
            if (random() % 3 == 0) {
                const EditHistory::Changes changes = history.takeChanges();
                QVERIFY(changes.known);
                for (const EditHistory::Change& change : changes.list)
                    change.apply(copyAdd, copySubtracted);
                QVERIFY2(stateOf(copyAdd, copySubtracted) == stateOf(add, subtracted),
                         qPrintable(QString::number(step)));
            }
        }
    }

    // A file read whose step is made by a worker: the tables count as recorded at once (an edit
    // made before the step arrives is a step of its own, costing only its rows), the step ends
    // the redo steps, and undo and redo walk through it as through a recorded step.
    void preparedStepActsAsRecorded() {
        CoordTable add = tableOfRows(3), subtracted = tableOfRows(1);
        EditHistory history;
        history.reset(add, subtracted);
        const State start = stateOf(add, subtracted);
        add.setText(1, 0, "undone");
        QVERIFY(history.record(add, subtracted));
        QVERIFY(history.undo(add, subtracted));
        QVERIFY(history.canRedo());

        add = tableOfRows(5000);  // the file as read
        subtracted = tableOfRows(7);
        const State read = stateOf(add, subtracted);
        EditHistory::RecordedTables before = history.expect(add, subtracted);
        QVERIFY(history.expecting());
        QVERIFY(history.canUndo());
        QVERIFY(!history.canRedo());
        QCOMPARE(history.undoCount(), 1);
        const std::uint64_t readState = history.stateId();
        // The worker reads the same text into tables of its own.
        EditHistory::PreparedStep prepared =
            EditHistory::prepareStep(std::move(before), {tableOfRows(5000), tableOfRows(7)});
        add.setText(2500, 1, "typed");  // typed before the step arrived
        const State typed = stateOf(add, subtracted);
        history.commitPrepared(std::move(prepared));
        QVERIFY(!history.expecting());
        QCOMPARE(history.stateId(), readState);

        const std::size_t bytes = history.bytes();
        QVERIFY(history.record(add, subtracted));
        QVERIFY2(history.bytes() - bytes < 512, qPrintable(QString::number(history.bytes())));
        QVERIFY(history.undo(add, subtracted));
        QVERIFY(stateOf(add, subtracted) == read);
        QCOMPARE(history.stateId(), readState);
        QVERIFY(history.undo(add, subtracted));
        QVERIFY(stateOf(add, subtracted) == start);
        QVERIFY(!history.canUndo());
        QVERIFY(history.redo(add, subtracted));
        QVERIFY(history.redo(add, subtracted));
        QVERIFY(stateOf(add, subtracted) == typed);
        QVERIFY(!history.canRedo());
    }
};

QTEST_GUILESS_MAIN(TestEditHistory)
#include "test_edit_history.moc"
