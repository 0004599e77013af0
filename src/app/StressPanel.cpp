// The loads panel: a table widget over the panel's cases, unit and component choices, and the
// stress picture. Values typed into the table are read with the strict numeric grammar of the
// coordinate cells; a text that does not read puts the case's value back.
#include "app/StressPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <tuple>

#include "app/MainWindow.h"
#include "app/StressWorker.h"
#include "canvas/StressView.h"
#include "core/base/NumberText.h"
#include "editing/Messenger.h"
#include "io/LoadCaseFile.h"

namespace kuvanto {

namespace {

const QString kCasesKey = QStringLiteral("Stress/cases");
const QString kForceUnitKey = QStringLiteral("Stress/forceInKiloNewton");
const QString kMomentUnitKey = QStringLiteral("Stress/momentInKiloNewtonMetre");
const QString kFileFilter = QStringLiteral("*.csv|*.csv");

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString valueText(double value) {
    return QString::fromStdString(numText(value));
}

}  // namespace

StressPanel::StressPanel(Workspace& workspace, QWidget* parent)
    : QWidget(parent), workspace_(workspace) {
    setObjectName(QStringLiteral("Stress_Panel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);

    // Units and the component.
    auto* choices = new QHBoxLayout;
    forceUnit_ = new QComboBox(this);
    forceUnit_->setObjectName(QStringLiteral("Stress_Force_Unit"));
    forceUnit_->addItems({QStringLiteral("N"), QStringLiteral("kN")});
    momentUnit_ = new QComboBox(this);
    momentUnit_->setObjectName(QStringLiteral("Stress_Moment_Unit"));
    momentUnit_->addItems({QStringLiteral("N·mm"), QStringLiteral("kN·m")});
    component_ = new QComboBox(this);
    component_->setObjectName(QStringLiteral("Stress_Component"));
    for (const StressComponentEntry& entry : kStressComponents)
        component_->addItem(fromUtf8(entry.symbol));
    choices->addWidget(new QLabel(tr("力"), this));
    choices->addWidget(forceUnit_);
    choices->addWidget(new QLabel(tr("モーメント"), this));
    choices->addWidget(momentUnit_);
    choices->addStretch(1);
    choices->addWidget(new QLabel(tr("表示"), this));
    choices->addWidget(component_);
    arrows_ = new QCheckBox(tr("せん断応力の矢印"), this);
    arrows_->setObjectName(QStringLiteral("Stress_Arrows"));
    choices->addWidget(arrows_);
    layout->addLayout(choices);

    // The cases.
    table_ = new QTableWidget(0, 1 + static_cast<int>(kLoadActionCount), this);
    table_->setObjectName(QStringLiteral("Stress_Cases"));
    QStringList heads{tr("名前")};
    for (const LoadActionEntry& entry : kLoadActions) heads << fromUtf8(entry.key);
    table_->setHorizontalHeaderLabels(heads);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setMaximumHeight(table_->fontMetrics().height() * 6 + 12);
    layout->addWidget(table_);

    auto* buttons = new QHBoxLayout;
    const std::tuple<QString, const char*, void (StressPanel::*)()> actions[] = {
        {tr("追加"), "Stress_Add", &StressPanel::addCase},
        {tr("削除"), "Stress_Delete", &StressPanel::removeCase},
        {tr("読み込み..."), "Stress_Read", &StressPanel::readFile},
        {tr("書き出し..."), "Stress_Write", &StressPanel::writeFile}};
    for (const auto& [caption, name, slot] : actions) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        connect(button, &QPushButton::clicked, this, slot);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);

    auto* signs = new QLabel(
        tr("符号 (右ねじ): 引張が正。Mx > 0 (ベクトル +x 向き) は +y 側が引張、My > 0 (ベクトル "
           "+y 向き) は +x 側が圧縮。Vx, Vy はせん断中心を通り、T > 0 は +z から見て反時計回り。"
           "応力は MPa (座標 mm)。"),
        this);
    signs->setObjectName(QStringLiteral("Stress_Signs"));
    signs->setWordWrap(true);
    layout->addWidget(signs);

    view_ = new StressView(this);
    layout->addWidget(view_, 1);
    envelopeLabel_ = new QLabel(this);
    envelopeLabel_->setObjectName(QStringLiteral("Stress_Envelope"));
    envelopeLabel_->setWordWrap(true);
    layout->addWidget(envelopeLabel_);
    materialsLabel_ = new QLabel(this);
    materialsLabel_->setObjectName(QStringLiteral("Stress_Materials"));
    materialsLabel_->setWordWrap(true);
    materialsLabel_->hide();
    layout->addWidget(materialsLabel_);
    noticeLabel_ = new QLabel(this);
    noticeLabel_->setObjectName(QStringLiteral("Stress_Notice"));
    noticeLabel_->setWordWrap(true);
    noticeLabel_->hide();
    layout->addWidget(noticeLabel_);
    worker_ = new StressWorker(this);
    connect(worker_, &StressWorker::finished, this, &StressPanel::received);

    // The kept cases and units; a first start has one case of pure bending.
    const QSettings settings;
    forceUnit_->setCurrentIndex(settings.value(kForceUnitKey, true).toBool() ? 1 : 0);
    momentUnit_->setCurrentIndex(settings.value(kMomentUnitKey, true).toBool() ? 1 : 0);
    std::optional<std::vector<LoadCase>> kept;
    if (settings.contains(kCasesKey))
        kept = LoadCaseFile::parse(settings.value(kCasesKey).toString().toStdString(), nullptr);
    if (!kept) {
        LoadCase bending;
        bending.name = "1";
        bending[LoadAction::MomentX] = 1e7;
        kept = std::vector<LoadCase>{bending};
    }
    cases_ = std::move(*kept);
    fillTable();
    table_->selectRow(0);

    connect(table_, &QTableWidget::cellChanged, this, &StressPanel::cellEdited);
    connect(table_, &QTableWidget::currentCellChanged, this, [this] { showStresses(); });
    connect(component_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) view_->setComponent(static_cast<StressComponent>(index));
        showStresses();
    });
    connect(arrows_, &QCheckBox::toggled, view_, &StressView::setArrows);
    for (QComboBox* unit : {forceUnit_, momentUnit_})
        connect(unit, &QComboBox::currentIndexChanged, this, [this] {
            fillTable();
            save();
        });
}

double StressPanel::factor(ActionKind kind) const {
    if (kind == ActionKind::Force) return forceUnit_->currentIndex() == 1 ? 1e3 : 1.0;
    return momentUnit_->currentIndex() == 1 ? 1e6 : 1.0;
}

void StressPanel::setCases(std::vector<LoadCase> cases) {
    cases_ = std::move(cases);
    fillTable();
    save();
    computeCases();
    showCase(cases_.empty() ? -1 : 0);
}

void StressPanel::showCase(int index) {
    if (index >= 0 && index < table_->rowCount()) table_->selectRow(index);
    showStresses();
}

void StressPanel::showComponent(StressComponent component) {
    component_->setCurrentIndex(static_cast<int>(component));
}

void StressPanel::setUnits(bool kiloNewton, bool kiloNewtonMetre) {
    forceUnit_->setCurrentIndex(kiloNewton ? 1 : 0);
    momentUnit_->setCurrentIndex(kiloNewtonMetre ? 1 : 0);
}

int StressPanel::shownCase() const {
    const int row = table_->currentRow();
    return row >= 0 && row < static_cast<int>(cases_.size()) ? row : -1;
}

void StressPanel::fillTable() {
    filling_ = true;
    const int current = std::max(table_->currentRow(), 0);
    table_->setRowCount(static_cast<int>(cases_.size()));
    for (int row = 0; row < static_cast<int>(cases_.size()); ++row) {
        const LoadCase& loads = cases_[static_cast<std::size_t>(row)];
        table_->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(loads.name)));
        for (const LoadActionEntry& entry : kLoadActions) {
            auto* item = new QTableWidgetItem(valueText(loads[entry.action] / factor(entry.kind)));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, 1 + static_cast<int>(entry.action), item);
        }
    }
    if (!cases_.empty()) table_->setCurrentCell(std::min(current, table_->rowCount() - 1), 0);
    filling_ = false;
}

void StressPanel::cellEdited(int row, int column) {
    if (filling_ || row < 0 || row >= static_cast<int>(cases_.size())) return;
    LoadCase& loads = cases_[static_cast<std::size_t>(row)];
    const QString text = table_->item(row, column)->text();
    if (column == 0) {
        loads.name =
            text.simplified().left(static_cast<int>(LoadCaseFile::kMaxNameLength)).toStdString();
    } else {
        const LoadActionEntry& entry = kLoadActions[static_cast<std::size_t>(column - 1)];
        const std::optional<double> value = parseNumeric(text.toStdString());
        const double inBase = value ? *value * factor(entry.kind) : NAN;
        if (value && std::isfinite(inBase)) loads[entry.action] = inBase;
    }
    // The table shows what the case now holds (a text that did not read goes back).
    fillTable();
    save();
    computeCases();
    showStresses();
}

void StressPanel::addCase() {
    LoadCase loads;
    loads.name = std::to_string(cases_.size() + 1);
    cases_.push_back(loads);
    fillTable();
    save();
    computeCases();
    showCase(static_cast<int>(cases_.size()) - 1);
}

void StressPanel::removeCase() {
    const int row = shownCase();
    if (row < 0) return;
    cases_.erase(cases_.begin() + row);
    fillTable();
    save();
    computeCases();
    showCase(std::min(row, static_cast<int>(cases_.size()) - 1));
}

void StressPanel::readFile() {
    auto* window = qobject_cast<MainWindow*>(this->window());
    if (!window) return;
    const QString path = window->msg().chooseOpenFile(tr("荷重ケースファイルを選択して下さい。"),
                                                      kFileFilter, window->fileFolder());
    if (path.isEmpty()) return;
    QString error;
    std::optional<std::vector<LoadCase>> cases = LoadCaseFile::read(path, &error);
    if (!cases) {
        window->msg().notice(error);
        return;
    }
    setCases(std::move(*cases));
}

void StressPanel::writeFile() {
    auto* window = qobject_cast<MainWindow*>(this->window());
    if (!window) return;
    const QString path =
        window->msg().chooseSaveFile(tr("荷重ケースファイルの書き出し"), kFileFilter,
                                     window->fileFolder(), QStringLiteral("loads.csv"));
    if (path.isEmpty()) return;
    QString error;
    if (!LoadCaseFile::write(path, cases_, &error)) window->msg().notice(error);
}

void StressPanel::save() const {
    QSettings settings;
    settings.setValue(kCasesKey, QString::fromStdString(LoadCaseFile::text(cases_)));
    settings.setValue(kForceUnitKey, forceUnit_->currentIndex() == 1);
    settings.setValue(kMomentUnitKey, momentUnit_->currentIndex() == 1);
}

void StressPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

void StressPanel::refresh() {
    const Workspace::TablesState state = workspace_.tablesState();
    if (!sectionState_ || !(*sectionState_ == state))
        computeCases();
    else
        showStresses();
}

void StressPanel::torsionStarted() {
    torsionRunning_ = true;
    torsion_.reset();
    shear_.reset();
    computeCases();
}

void StressPanel::setTorsion(std::shared_ptr<const TorsionResult> result) {
    torsionRunning_ = false;
    torsion_ = std::move(result);
    torsionState_ = workspace_.tablesState();
    shear_.reset();
    computeCases();
}

bool StressPanel::waitForStresses(int milliseconds) {
    const QDeadlineTimer deadline(milliseconds);
    while (worker_->running() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return !worker_->running();
}

void StressPanel::computeCases() {
    const Workspace::TablesState state = workspace_.tablesState();
    sectionState_ = state;
    // A torsion result of tables changed since is not used.
    if (torsion_ && !(torsionState_ == state)) {
        torsion_.reset();
        shear_.reset();
    }
    StressJob job;
    job.added = workspace_.addGrid;
    job.subtracted = workspace_.subtractedGrid;
    job.materials = workspace_.materials;
    job.cases = cases_;
    job.torsion = torsion_;
    job.shear = shear_;
    results_.reset();
    worker_->start(std::move(job));
    view_->setStress(nullptr, tr("応力を計算しています..."));
    envelopeLabel_->clear();
    noticeLabel_->hide();
    materialsLabel_->hide();
}

void StressPanel::received(std::shared_ptr<const StressCases> results) {
    results_ = std::move(results);
    if (torsion_ && results_->shear) shear_ = results_->shear;
    view_->setOutline(results_->outline);
    showStresses();
}

void StressPanel::showStresses() {
    if (!results_) return;  // the worker's results follow
    const int row = shownCase();
    const StressComponent component = view_->component();
    const bool sectionOk = results_->sectionOk;
    noticeLabel_->hide();
    materialsLabel_->hide();
    if (!sectionOk || row < 0 || row >= static_cast<int>(results_->stresses.size())) {
        view_->setStress(
            nullptr, sectionOk ? tr("荷重ケースがありません。") : tr("断面の計算ができません。"));
        envelopeLabel_->clear();
        return;
    }
    const std::shared_ptr<const SectionStress>& stress =
        results_->stresses[static_cast<std::size_t>(row)];
    const QString message =
        stress->status() == StressStatus::Ok
            ? QString()
            : QCoreApplication::translate(
                  "SectionStress", std::string(SectionStress::message(stress->status())).c_str());
    view_->setStress(stress, message);
    QString notice;
    if (!stress->shearNotice().empty())
        notice = torsionRunning_ && !results_->shear
                     ? tr("せん断応力: ねじり・せん断の解析の終了を待っています。")
                     : QCoreApplication::translate("SectionStress",
                                                   std::string(stress->shearNotice()).c_str());
    noticeLabel_->setText(notice);
    noticeLabel_->setVisible(!notice.isEmpty());
    showMaterials(row);

    // The envelope of every case for the shown component.
    const std::optional<EnvelopeExtremes> e = results_->envelope.of(component);
    const QString symbol = fromUtf8(stressComponentEntry(component).symbol);
    if (!e) {
        envelopeLabel_->setText(tr("全ケースの包絡 (%1): -").arg(symbol));
        return;
    }
    auto name = [this](int index) {
        return QString::fromStdString(
            results_->stresses[static_cast<std::size_t>(index)]->loads().name);
    };
    envelopeLabel_->setText(tr("全ケースの包絡 (%1): 最大 %2 MPa (%3)、最小 %4 MPa (%5)")
                                .arg(symbol, QString::number(e->extremes.max, 'g', 4),
                                     name(e->maxCase), QString::number(e->extremes.min, 'g', 4),
                                     name(e->minCase)));
}

void StressPanel::showMaterials(int row) {
    QStringList lines;
    if (results_ && row >= 0 && row < static_cast<int>(results_->materialStresses.size())) {
        auto number = [](double value) { return QString::number(value, 'g', 4); };
        for (const MaterialStress& m : results_->materialStresses[static_cast<std::size_t>(row)]) {
            const QString normal = m.normal ? tr("σzz 最大 %1、最小 %2 MPa")
                                                  .arg(number(m.normal->max), number(m.normal->min))
                                            : QStringLiteral("σzz -");
            const QString ratio = m.utilisation ? number(*m.utilisation) : QStringLiteral("-");
            lines << tr("%1 (n = %2): %3、σvM/fy = %4")
                         .arg(QString::fromStdString(m.name), number(m.ratio), normal, ratio);
        }
    }
    materialsLabel_->setText(lines.join(u'\n'));
    materialsLabel_->setVisible(!lines.isEmpty());
}

QString StressPanel::materialsText() const {
    return materialsLabel_->isHidden() ? QString() : materialsLabel_->text();
}

QString StressPanel::noticeText() const {
    return noticeLabel_->isHidden() ? QString() : noticeLabel_->text();
}

QString StressPanel::envelopeText() const {
    return envelopeLabel_->text();
}

}  // namespace kuvanto
