#include "info_view.h"

#include "about_texts.h"
#include "firewall_files.h"
#include "viewer_text.h"

namespace lomvex {

InfoView AttackInfoView(const AttackListModel& list, size_t row, FileAccess& files,
                        std::string_view data_folder) {
  const SelectedRowTexts texts = SelectedRowTextsAt(list, row);
  InfoView view;
  view.mode = InfoMode::kAttackInfo;
  view.caption = ViewerText(IDS_DETAILS_TITLE);
  view.header = ViewerText(IDS_DETAILS_INTRO);
  view.text = row < list.RowCount() ? ReadIssueDescription(files, data_folder, list.AttackIdAt(row))
                                    : std::string();
  const auto rows =
      BuildAttackInfoRows(texts, ReadHostFile(files, data_folder, texts.intruder_address));
  view.rows.assign(rows.begin(), rows.end());
  return view;
}

InfoView AboutView(const SystemFacts& facts) {
  const std::string holder = RightsHolder(ViewerText(IDS_RIGHTS_HOLDER));
  InfoView view;
  view.mode = InfoMode::kAbout;
  view.caption = ViewerText(IDS_ABOUT_TITLE);
  view.title = ViewerText(IDS_PROGRAM_TITLE);
  view.rights_notice = RightsNotice(ViewerText(IDS_RIGHTS_NOTICE), holder);
  view.text = DistributionNotice(ViewerText(IDS_DISTRIBUTION_NOTICE), DistributionTerms(), holder);
  const auto rows = BuildAboutRows(facts.total_memory, facts.available_memory, facts.cpu_type);
  view.rows.assign(rows.begin(), rows.end());
  return view;
}

}  // namespace lomvex
