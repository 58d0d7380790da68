#include "widgets/tracelist/trace_list_frame.h"

#include "core/platform/document_type.h"
#include "core/trace/trace_doc.h"
#include "core/tracelist/trace_list_doc.h"
#include "core/tracelist/trace_list_messages.h"
#include "widgets/platform/file_dialogs.h"
#include "widgets/platform/wait_cursor.h"
#include "widgets/trace/graph/trace_graph_view.h"
#include "widgets/tracelist/trace_list_view.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSplitter>
#include <QUrl>

namespace orvane {

namespace {

QString addFilter() {
    return QString(kAddTracesFilter) +
           "|*.0*;*.1*;*.2*;*.3*;*.4*;*.5*;*.6*;*.7*;*.8*;*.9*;*.trc;*.sor;*.TRC;*.SOR|" +
           kAllFilesFilter + "|*|";
}

CT6* recordOf(const void* entry) {
    const auto* e = static_cast<const CTraceListEntry*>(entry);
    return e && e->document ? &e->document->record() : nullptr;
}

} // namespace

CTraceListFrame::CTraceListFrame(CTraceListDoc& list, QWidget* parent)
    : QMdiSubWindow(parent), m_list(&list), m_splitter(new QSplitter(Qt::Horizontal, this)),
      m_listView(new CTraceListView(m_splitter)),
      m_graphView(new graph::CTraceGraphView(m_splitter)),
      m_commands(std::make_unique<TraceListCommands>(list, m_listView->rows())) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAcceptDrops(true);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setSizes({CTraceListView::kInitialWidth, 1000});
    m_splitter->setStretchFactor(1, 1);
    setWidget(m_splitter);

    m_graphView->SetEntryResolver(recordOf);
    m_graphView->SetIorRatioResolver([](const void* entry) {
        const auto* e = static_cast<const CTraceListEntry*>(entry);
        const double ior = e && e->document ? e->document->record().SpanGetIOR(0) : 0;
        return ior > 0 && e->document->SavedIOR() > 0 ? e->document->SavedIOR() / ior : 1.0;
    });
    m_graphView->attach(&list);
    m_listView->attach(&list);
    list.setStateListener([this] { updateTitle(); });
    updateTitle();

    connect(m_listView, &CTraceListView::selectionChangedByUser, this,
            &CTraceListFrame::commandStateChanged);
    connect(m_listView, &CTraceListView::widened, this, [this](int width) {
        QList<int> sizes = m_splitter->sizes();
        if (sizes.size() == 2 && sizes[0] < width) {
            sizes[1] = std::max(0, sizes[1] - (width - sizes[0]));
            sizes[0] = width;
            m_splitter->setSizes(sizes);
        }
    });
}

CTraceListFrame::~CTraceListFrame() {
    closeList();
}

void CTraceListFrame::updateTitle() {
    if (!m_list) return;
    setWindowTitle(QString::fromStdString(m_list->title()) + "[*]");
    setWindowModified(m_list->isModified());
}

void CTraceListFrame::addWithDialog() {
    std::vector<std::string> paths;
    for (const QString& path :
         askOpenFiles(this, QCoreApplication::translate("Messages", kAddTracesTitle), addFilter()))
        paths.push_back(path.toStdString());
    m_commands->Add(paths);
    emit commandStateChanged();
}

void CTraceListFrame::selectAll() {
    m_commands->SelectAll();
    m_listView->showRowsSelection();
    m_listView->setFocus();
    emit commandStateChanged();
}

void CTraceListFrame::run(const std::function<void(TraceListCommands&)>& command) {
    WaitCursor wait;
    command(*m_commands);
    m_listView->showRowsSelection();
    emit commandStateChanged();
}

void CTraceListFrame::closeWithoutQuestions() {
    m_questions = false;
    close();
}

void CTraceListFrame::closeEvent(QCloseEvent* event) {
    if (m_questions && m_list && !m_list->CanCloseFrame()) {
        event->ignore();
        return;
    }
    closeList();
    QMdiSubWindow::closeEvent(event);
}

// The graph lets go of the records before their documents close; then the
// list closes and its document type deletes it.
void CTraceListFrame::closeList() {
    if (!m_list) return;
    CTraceListDoc* list = m_list;
    m_list = nullptr;
    list->setStateListener(nullptr);
    for (CTraceListEntry* entry : list->DisplayedEntries())
        m_graphView->Graph().RemoveTrace(entry);
    m_graphView->attach(nullptr);
    m_listView->attach(nullptr);
    list->OnCloseDocument();
    if (DocumentType* type = list->type(); type && type->owns(list)) type->deleteDocument(list);
}

void CTraceListFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CTraceListFrame::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        const std::string path = url.toLocalFile().toStdString();
        if (!path.empty() && path.size() <= static_cast<size_t>(kDroppedPathRoom))
            paths.push_back(path);
    }
    m_commands->Add(paths);
    event->acceptProposedAction();
    emit commandStateChanged();
}

} // namespace orvane
