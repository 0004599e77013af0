// The result tab's torsion controls: ν, progress and cancel, and the hand-over of the worker's
// outcome to the result table.
#include "app/TorsionPanel.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QSettings>
#include <QStringList>
#include <QTimer>
#include <cmath>

#include "core/torsion/TorsionRows.h"
#include "editing/Workspace.h"

namespace kuvanto {

namespace {

const char* const kPoissonRatioKey = "torsion/poissonRatio";

bool validPoissonRatio(double nu) {
    return std::isfinite(nu) && nu >= 0 && nu < 0.5;
}

QString coreText(std::string_view text) {
    return QCoreApplication::translate("TorsionAnalysis", std::string(text).c_str());
}

QString noticeText(const TorsionNotice& notice) {
    const QString text = coreText(notice.text);
    return text.contains(QLatin1String("%1")) ? text.arg(notice.number) : text;
}

}  // namespace

TorsionPanel::TorsionPanel(Workspace& workspace, QWidget* parent)
    : QWidget(parent), workspace_(workspace), worker_(new TorsionWorker(this)) {
    setObjectName(QStringLiteral("Torsion_Panel"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto* nuLabel = new QLabel(tr("ポアソン比 ν"), this);
    nuBox_ = new QDoubleSpinBox(this);
    nuBox_->setObjectName(QStringLiteral("Poisson_Ratio"));
    nuBox_->setRange(0, 0.499);
    nuBox_->setDecimals(3);
    nuBox_->setSingleStep(0.01);
    nuBox_->setValue(savedPoissonRatio());
    nuBox_->setToolTip(tr("せん断中心とせん断断面積の計算に使うポアソン比 (0以上0.5未満)"));
    nuLabel->setBuddy(nuBox_);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("Torsion_Progress"));
    progress_->setRange(0, 100);
    progress_->setFormat(tr("ねじり・せん断 %p%"));
    cancelButton_ = new QPushButton(tr("中止"), this);
    cancelButton_->setObjectName(QStringLiteral("Torsion_Cancel"));
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("Torsion_Message"));
    message_->setWordWrap(true);
    row->addWidget(nuLabel);
    row->addWidget(nuBox_);
    row->addWidget(progress_, 1);
    row->addWidget(cancelButton_);
    row->addWidget(message_, 1);
    showIdle(QString());

    connect(nuBox_, &QDoubleSpinBox::valueChanged, this, [this](double nu) {
        savePoissonRatio(nu);
        if (workspace_.hasResults()) start();  // the block shows the ν it was computed with
    });
    connect(cancelButton_, &QPushButton::clicked, this, &TorsionPanel::cancelClicked);
    connect(worker_, &TorsionWorker::progressed, progress_, &QProgressBar::setValue);
    connect(worker_, &TorsionWorker::finished, this, &TorsionPanel::finished);
}

double TorsionPanel::savedPoissonRatio() {
    bool ok = false;
    const double nu = QSettings().value(kPoissonRatioKey, kDefaultPoissonRatio).toDouble(&ok);
    return ok && validPoissonRatio(nu) ? nu : kDefaultPoissonRatio;
}

void TorsionPanel::savePoissonRatio(double nu) {
    if (validPoissonRatio(nu)) QSettings().setValue(kPoissonRatioKey, nu);
}

double TorsionPanel::poissonRatio() const {
    return nuBox_->value();
}

void TorsionPanel::start() {
    if (!workspace_.hasResults()) {
        drop();
        return;
    }
    TorsionRows::clear(workspace_.resultGrid);
    worker_->cancel();
    startedState_ = workspace_.tablesState();
    launching_ = true;
    covering_ = true;
    QTimer::singleShot(0, this, [this, token = ++launchToken_] { launch(token); });
    progress_->setValue(0);
    progress_->show();
    cancelButton_->show();
    message_->hide();
    emit blockChanged();
    emit analysisStarted();
}

void TorsionPanel::launch(quint64 token) {
    if (token != launchToken_ || !launching_) return;  // dropped or started again meanwhile
    launching_ = false;
    if (!current()) {
        drop();
        return;
    }
    TorsionOptions options;
    options.poissonRatio = poissonRatio();
    std::vector<SectionFigure> figures = workspace_.torsionFigures(&options);
    worker_->start(std::move(figures), std::move(options));
}

void TorsionPanel::drop() {
    const bool wasRunning = running();
    launching_ = false;
    covering_ = false;
    worker_->cancel();
    showIdle(QString());
    if (wasRunning) emit analysisEnded(nullptr);
}

void TorsionPanel::dropIfStale() {
    if (running() && !current()) drop();
}

bool TorsionPanel::current() const {
    return covering_ && workspace_.hasResults() && workspace_.tablesState() == startedState_;
}

bool TorsionPanel::waitForResults(int milliseconds) {
    const QDeadlineTimer deadline(milliseconds);
    while (running() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return !running();
}

void TorsionPanel::finished(const TorsionOutcome& outcome) {
    // Results of tables that have changed since are not shown.
    if (!current()) {
        covering_ = false;
        showIdle(QString());
        emit analysisEnded(nullptr);
        return;
    }
    workspace_.writeTorsion(outcome);
    QString message;
    if (outcome.status != TorsionStatus::Ok) {
        message = coreText(TorsionAnalysis::message(outcome.status));
    } else {
        QStringList notices;
        for (const TorsionNotice& notice : TorsionAnalysis::notices(outcome.result))
            notices << noticeText(notice);
        message = notices.join(u'\n');
    }
    showIdle(message);
    emit blockChanged();
    emit analysisEnded(outcome.status == TorsionStatus::Ok
                           ? std::make_shared<const TorsionResult>(outcome.result)
                           : nullptr);
}

void TorsionPanel::cancelClicked() {
    if (!running()) return;
    launching_ = false;
    covering_ = false;  // the next visit of the result tab starts it again
    worker_->cancel();
    TorsionOutcome cancelled;
    cancelled.status = TorsionStatus::Cancelled;
    workspace_.writeTorsion(cancelled);
    showIdle(coreText(TorsionAnalysis::message(TorsionStatus::Cancelled)));
    emit blockChanged();
    emit analysisEnded(nullptr);
}

void TorsionPanel::showIdle(const QString& message) {
    progress_->hide();
    cancelButton_->hide();
    message_->setText(message);
    message_->setVisible(!message.isEmpty());
}

}  // namespace kuvanto
