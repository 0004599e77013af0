// Builds the main window's widgets below the toolbar and lays them out.
#include "app/WindowLayout.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/FigurePage.h"
#include "app/MaterialBar.h"
#include "app/ReferenceMaterialChooser.h"
#include "app/SharedColumnWidths.h"
#include "app/StressPanel.h"
#include "app/TabRules.h"
#include "app/TorsionPanel.h"
#include "canvas/SectionCanvas.h"
#include "canvas/SectionDiagram.h"
#include "canvas/ViewPanel.h"
#include "core/section/Calculation.h"
#include "editing/CoordTableModel.h"
#include "editing/ResultTableModel.h"
#include "editing/Workspace.h"

namespace kuvanto {

namespace {

QTableView* makeTable(const QString& name, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setSelectionMode(QAbstractItemView::ContiguousSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->setCornerButtonEnabled(false);
    // rows of one height and no sizing from contents: a million rows scroll like ten.
    QHeaderView* rows = view->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(view->fontMetrics().height() + 6);
    rows->hide();
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setHighlightSections(false);
    return view;
}

}  // namespace

int WindowLayout::twipsToPixels(const QWidget* widget, int twips) {
    return twips * widget->logicalDpiX() / 1440;
}

WindowLayout WindowLayout::build(QMainWindow& window, Workspace& work) {
    WindowLayout ui;
    auto* central = new QWidget(&window);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    // The tab strip directly under the toolbar, its tabs sharing the whole width.
    ui.tabStrip = new QTabBar(central);
    ui.tabStrip->setObjectName(QStringLiteral("TabStrip1"));
    ui.tabStrip->setExpanding(true);
    ui.tabStrip->setDocumentMode(true);
    ui.tabStrip->setMouseTracking(true);
    const std::pair<QString, QString> tabs[] = {{kAddTabCaption, kAddTabKey},
                                                {kSubtractedTabCaption, kSubtractedTabKey},
                                                {kResultTabCaption, kResultTabKey}};
    for (const auto& [caption, key] : tabs)
        ui.tabStrip->setTabData(ui.tabStrip->addTab(caption), key);
    outer->addWidget(ui.tabStrip);

    // Figure view: the coordinate table, the square canvas, the view panel.
    ui.pages = new QStackedWidget(central);
    ui.canvas = new SectionCanvas(work.addGrid, work.subtractedGrid, work.resultGrid, work.colors);
    ui.panel = new ViewPanel(*ui.canvas);
    ui.coordStack = new QStackedWidget;
    ui.addView = makeTable(QStringLiteral("Add_Grid"), ui.coordStack);
    ui.subtractedView = makeTable(QStringLiteral("Sbtrt_Grid"), ui.coordStack);
    ui.addModel = new CoordTableModel(work.addGrid, &window);
    ui.subtractedModel = new CoordTableModel(work.subtractedGrid, &window);
    ui.addView->setModel(ui.addModel);
    ui.subtractedView->setModel(ui.subtractedModel);
    int tableWidth = 0;
    for (QTableView* view : {ui.addView, ui.subtractedView}) {
        // Both columns share the table's width; each is wide enough for a separator row.
        const int column = std::max(twipsToPixels(view, CoordTable::kColWidthTwips),
                                    view->fontMetrics().horizontalAdvance(QString::fromUtf8(
                                        kSeparatorText.data(), kSeparatorText.size())) +
                                        16);
        view->horizontalHeader()->setMinimumSectionSize(column);
        view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        ui.coordStack->addWidget(view);
        tableWidth =
            std::max(tableWidth, 2 * column + view->verticalScrollBar()->sizeHint().width() +
                                     2 * view->frameWidth());
    }
    // The material chooser sits above the tables, in the table's column.
    auto* tableColumn = new QWidget;
    auto* tableLayout = new QVBoxLayout(tableColumn);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    tableLayout->setSpacing(0);
    ui.materialBar = new MaterialBar(tableColumn);
    tableLayout->addWidget(ui.materialBar);
    tableLayout->addWidget(ui.coordStack, 1);
    ui.coordFrame = new FigurePage(tableColumn, ui.canvas, ui.panel, ui.pages);
    ui.coordFrame->setObjectName(QStringLiteral("Cood_Frame"));
    ui.coordFrame->setMinimumTableWidth(tableWidth);
    ui.pages->addWidget(ui.coordFrame);

    // Result view: the result table over its failure message.
    ui.resultFrame = new QWidget(ui.pages);
    ui.resultFrame->setObjectName(QStringLiteral("Result_Frame"));
    auto* resultLayout = new QHBoxLayout(ui.resultFrame);
    resultLayout->setContentsMargins(2, 2, 2, 2);
    ui.resultStack = new QStackedWidget(ui.resultFrame);
    ui.resultView = makeTable(QStringLiteral("Result_Grid"), ui.resultStack);
    ui.resultModel = new ResultTableModel(work.resultGrid, &window);
    ui.resultView->setModel(ui.resultModel);
    ui.resultColumns = new SharedColumnWidths(ui.resultView);
    ui.resultView->verticalHeader()->setMinimumSectionSize(1);  // the thin spacer rows
    // The window opens the context menu itself, on the right button's release, over the cells
    // and the heading row.
    ui.resultView->setContextMenuPolicy(Qt::PreventContextMenu);
    ui.resultView->horizontalHeader()->setContextMenuPolicy(Qt::PreventContextMenu);
    ui.failureLabel = new QLabel(QCoreApplication::translate("ResultTable", kFailureMessage.data()),
                                 ui.resultStack);
    ui.failureLabel->setObjectName(QStringLiteral("Label1"));
    ui.failureLabel->setAlignment(Qt::AlignCenter);
    ui.failureLabel->setAutoFillBackground(true);
    ui.failureLabel->setBackgroundRole(QPalette::Base);
    ui.resultStack->addWidget(ui.resultView);
    ui.resultStack->addWidget(ui.failureLabel);
    resultLayout->addWidget(ui.resultStack, 3);
    // The right half: the section to scale with its centroid and axes.
    ui.resultDiagram = new SectionDiagram(work.addGrid, work.subtractedGrid, work.resultGrid,
                                          work.colors, ui.resultFrame);
    // Below the drawing: Poisson's ratio and the progress of the torsion analysis.
    auto* diagramColumn = new QVBoxLayout;
    // The drawing shares its place with the loads panel and its stress picture.
    auto* diagramTabs = new QTabWidget(ui.resultFrame);
    diagramTabs->setObjectName(QStringLiteral("Result_Views"));
    diagramTabs->setDocumentMode(true);
    diagramTabs->addTab(ui.resultDiagram, QCoreApplication::translate("WindowLayout", "断面"));
    auto* stressPanel = new StressPanel(work, diagramTabs);
    diagramTabs->addTab(stressPanel, QCoreApplication::translate("WindowLayout", "応力"));
    diagramColumn->addWidget(diagramTabs, 1);
    ui.referenceChooser = new ReferenceMaterialChooser(ui.resultFrame);
    diagramColumn->addWidget(ui.referenceChooser);
    ui.torsionPanel = new TorsionPanel(work, ui.resultFrame);
    // The shear stresses under loads come from the torsion analysis's solution.
    QObject::connect(ui.torsionPanel, &TorsionPanel::analysisStarted, stressPanel,
                     &StressPanel::torsionStarted);
    QObject::connect(ui.torsionPanel, &TorsionPanel::analysisEnded, stressPanel,
                     &StressPanel::setTorsion);
    diagramColumn->addWidget(ui.torsionPanel);
    resultLayout->addLayout(diagramColumn, 2);
    ui.pages->addWidget(ui.resultFrame);
    outer->addWidget(ui.pages, 1);

    window.setCentralWidget(central);

    // Status bar: one text field.
    window.statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    window.statusBar()->setSizeGripEnabled(false);
    ui.statusLabel = new QLabel(window.statusBar());
    ui.statusLabel->setObjectName(QStringLiteral("StatusText"));
    window.statusBar()->addWidget(ui.statusLabel, 1);
    window.statusBar()->setMouseTracking(true);
    ui.statusLabel->setMouseTracking(true);

    window.resize(1024, 720);
    return ui;
}

}  // namespace kuvanto
