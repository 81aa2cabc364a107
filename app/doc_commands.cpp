#include "app/doc_commands.h"

#include "document/command_ids.h"
#include "document/kvwin_doc.h"
#include "platform/command_target.h"

void RegisterDocumentCommands(platform::CommandMap& map, CKvwinDoc& doc)
{
    auto update = [&map, &doc](int id, void (CKvwinDoc::*handler)(CCmdUI&) const) {
        map.OnUpdate(id, [&doc, handler](CCmdUI& ui) { (doc.*handler)(ui); });
    };
    auto on = [&map, &doc](int id, void (CKvwinDoc::*handler)()) {
        map.On(id, [&doc, handler] { (doc.*handler)(); });
    };

    on(cmd::ReducedSpan, &CKvwinDoc::OnReducedSpan);
    update(cmd::ReducedSpan, &CKvwinDoc::OnUpdateReducedSpan);

    update(cmd::ViewFirstPage, &CKvwinDoc::OnUpdateViewFirstPage);
    update(cmd::ViewLastPage, &CKvwinDoc::OnUpdateViewLastPage);
    update(cmd::ViewNextPage, &CKvwinDoc::OnUpdateViewNextPage);
    update(cmd::ViewPreviousPage, &CKvwinDoc::OnUpdateViewPreviousPage);
    update(cmd::EditCopy, &CKvwinDoc::OnUpdateEditCopy);
    update(cmd::ViewScratchPad, &CKvwinDoc::OnUpdateViewScratchPad);
    update(cmd::EditCopyToScratchPad, &CKvwinDoc::OnUpdateEditCopyToScratchPad);
    update(cmd::EditCutFromScratchPad, &CKvwinDoc::OnUpdateEditCutFromScratchPad);
    update(cmd::EditAttributesOfScratchPadChord, &CKvwinDoc::OnUpdateEditAttributesOfScratchPadChord);
    update(cmd::FileLoadHtmlToScratchPad, &CKvwinDoc::OnUpdateFileLoadHtmlToScratchPad);

    on(cmd::ViewClear, &CKvwinDoc::OnViewClear);
    update(cmd::ViewClear, &CKvwinDoc::OnUpdateViewClear);
    on(cmd::ViewBack, &CKvwinDoc::OnViewBack);
    update(cmd::ViewBack, &CKvwinDoc::OnUpdateViewBack);
    on(cmd::ViewForward, &CKvwinDoc::OnViewForward);
    update(cmd::ViewForward, &CKvwinDoc::OnUpdateViewForward);
    on(cmd::ViewClearAll, &CKvwinDoc::OnViewClearAll);
    update(cmd::ViewClearAll, &CKvwinDoc::OnUpdateViewClearAll);
    on(cmd::ViewStartHistory, &CKvwinDoc::OnViewStartHistory);
    update(cmd::ViewStartHistory, &CKvwinDoc::OnUpdateViewBack);
    on(cmd::ViewEndHistory, &CKvwinDoc::OnViewEndHistory);
    update(cmd::ViewEndHistory, &CKvwinDoc::OnUpdateViewForward);

    on(cmd::SearchTonalith, &CKvwinDoc::OnSearchTonalith);
    update(cmd::SearchTonalith, &CKvwinDoc::OnUpdateSearch);
    on(cmd::SearchChordDirectory, &CKvwinDoc::OnSearchChordDirectory);
    update(cmd::SearchChordDirectory, &CKvwinDoc::OnUpdateSearch);
    on(cmd::SearchUserDirectory, &CKvwinDoc::OnSearchUserDirectory);
    update(cmd::SearchUserDirectory, &CKvwinDoc::OnUpdateSearch);

    on(cmd::FileSaveAsHtml, &CKvwinDoc::OnFileSaveAsHtml);
    update(cmd::FileSaveAsHtml, &CKvwinDoc::OnUpdateFileSaveAsHtml);
    on(cmd::FileLoadHtmlToScratchPad, &CKvwinDoc::OnFileLoadHtmlToScratchPad);

    // The menu's Size command; the toolbar box with the same id reaches the
    // document through its own signal.
    on(cmd::ViewSize, &CKvwinDoc::OnViewSize);
    on(cmd::ToolsLanguage, &CKvwinDoc::OnToolsLanguage);
    // Always enabled: before start-up the command does nothing.
    on(cmd::ToolsOptions, &CKvwinDoc::OnToolsOptions);
}
