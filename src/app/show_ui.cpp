#include "app/show_ui.h"

#include "app/main_window.h"
#include "app/show_document.h"
#include "view/field_view.h"
#include "view/time_line_window.h"

namespace px {

void ShowUi::UpdateAllViews() {
  m_show.doc().UpdateAllViews();
  m_window.RefreshCommandStates();
}

void ShowUi::StopAnimation() {
  const std::vector<FieldView*> views = m_window.ViewsOf(m_show);
  for (FieldView* view : views) view->clock().Stop();
  // A show whose windows are going has no clock left to stop.
  if (views.empty()) m_show.doc().m_bPlaying = false;
}

void ShowUi::RedrawTimeLine() {
  if (TimeLineWindow* timeLine = m_window.TimeLineOf(m_show)) timeLine->Refresh();
}

void ShowUi::SetStepBoxText(const std::string& text) { m_window.WriteStepBox(m_show, text); }

}  // namespace px
