#include "multiviewer/multiviewer_colours_tab.h"

#include <algorithm>

#include "drop_down_list.h"
#include "multiviewer/multiviewer_preview_host.h"
#include "multiviewer/multiviewer_fields.h"
#include "multiviewer_settings_changes.h"
#include "multiviewer_protocol.h"
#include "page_context.h"

namespace {

namespace mv = vela::multiviewer;
namespace fields = vela::multiviewer_fields;
using vela::MultiviewerSettings;

constexpr int kGroupBoxId = 1027;
constexpr int kAllChannels = 0;

using ColourArray = vela::multiviewer_settings_changes::WindowColours;

struct ColourList {
  int id;
  const char* caption;
  ColourArray colours;
  std::uint8_t command_code;
};

struct Section {
  const char* heading;
  int top;  // baseline of the heading; the separator lies 20 pixels below
  int channel_list_id;
  const char* channel_caption;
  std::uint8_t MultiviewerSettings::*channel;
  std::array<ColourList, 2> colour_lists;  // text, background
};

const std::array<Section, 2> kSections = {{
    {"The UMD",
     40,
     1060,
     "Source Channel",
     &MultiviewerSettings::label_colour_channel,
     {{{1044, "UMD Text Color", &MultiviewerSettings::label_text_colour, mv::code::kLabelTextColour},
       {1015, "UMD Background Color", &MultiviewerSettings::label_back_colour, mv::code::kLabelBackColour}}}},
    {"The Resolution",
     220,
     1061,
     "Window Channel",
     &MultiviewerSettings::resolution_colour_channel,
     {{{1031, "Resolution Text Color", &MultiviewerSettings::resolution_text_colour, mv::code::kResolutionTextColour},
       {1039, "Resolution Background Color", &MultiviewerSettings::resolution_back_colour,
        mv::code::kResolutionBackColour}}}},
}};

constexpr int kCaptionX = 40;
constexpr int kListX = 250;
constexpr QSize kCaptionSize(200, 26);
constexpr QSize kListSize(200, 26);
constexpr int kFirstRowBelowHeading = 38;
constexpr int kRowPitch = 42;

QRect row_place(const Section& section, int row, int x, QSize size) {
  return QRect(QPoint(x, section.top + kFirstRowBelowHeading + row * kRowPitch), size);
}

}  // namespace

MultiviewerColoursTab::MultiviewerColoursTab(vela::MultiviewerPreviewHost& container, QWidget* parent)
    : MultiviewerSubPageBase(container, parent, kTemplateId, kGroupBoxId) {
  std::vector<QLine> lines;
  std::vector<Heading> headings;
  for (const Section& section : kSections) {
    lines.emplace_back(20, section.top + 20, 470, section.top + 20);
    headings.push_back({QPoint(30, section.top), QString::fromLatin1(section.heading)});
  }
  set_separator_lines(std::move(lines));
  set_headings(std::move(headings));
  create_controls();

  MultiviewerSettings& settings = m_context.multiviewer().m_settings;
  const int window_count = std::min<int>(m_context.multiviewer().m_layout_window_count, mv::kWindowCount);
  for (std::size_t s = 0; s < kSections.size(); ++s) {
    DropDownList* list = m_channel_lists[s];
    list->addItem(QStringLiteral("All Channel"));
    list->addItems(fields::channel_items(window_count));
    // A channel left over from a layout with more windows means all windows.
    std::uint8_t& channel = settings.*kSections[s].channel;
    if (channel > window_count) channel = kAllChannels;
    fields::select_quietly(list, channel);
    show_colours(static_cast<int>(s));
  }
}

void MultiviewerColoursTab::create_controls() {
  for (std::size_t s = 0; s < kSections.size(); ++s) {
    const Section& section = kSections[s];
    const int index = static_cast<int>(s);
    fields::make_caption(this, QString::fromLatin1(section.channel_caption),
                         row_place(section, 0, kCaptionX, kCaptionSize));
    DropDownList* channels =
        fields::make_list(this, section.channel_list_id, row_place(section, 0, kListX, kListSize), {});
    connect(channels, &QComboBox::activated, this, [this, index](int item) { on_channel_chosen(index, item); });
    m_channel_lists[s] = channels;
    for (int which = 0; which < 2; ++which) {
      const ColourList& entry = section.colour_lists[static_cast<std::size_t>(which)];
      fields::make_caption(this, QString::fromLatin1(entry.caption),
                           row_place(section, which + 1, kCaptionX, kCaptionSize));
      DropDownList* colours =
          fields::make_list(this, entry.id, row_place(section, which + 1, kListX, kListSize), fields::colour_items());
      fields::add_colour_swatches(colours);
      connect(colours, &QComboBox::activated, this,
              [this, index, which](int item) { on_colour_chosen(index, which, item); });
      m_colour_lists[s][static_cast<std::size_t>(which)] = colours;
    }
  }
}

void MultiviewerColoursTab::show_colours(int section) {
  const MultiviewerSettings& settings = m_context.multiviewer().m_settings;
  const Section& entry = kSections[static_cast<std::size_t>(section)];
  const int channel = settings.*entry.channel;
  const int window = channel == kAllChannels ? 1 : std::min(channel, mv::kWindowCount);
  for (int which = 0; which < 2; ++which) {
    const ColourArray colours = entry.colour_lists[static_cast<std::size_t>(which)].colours;
    fields::select_quietly(colour_list(section, which), (settings.*colours)[window - 1]);
  }
}

void MultiviewerColoursTab::on_channel_chosen(int section, int item) {
  if (item < 0) return;
  m_context.multiviewer().m_settings.*kSections[static_cast<std::size_t>(section)].channel =
      static_cast<std::uint8_t>(item);
  show_colours(section);
}

void MultiviewerColoursTab::on_colour_chosen(int section, int which, int colour) {
  if (colour < 0) return;
  const Section& entry = kSections[static_cast<std::size_t>(section)];
  const ColourList& list = entry.colour_lists[static_cast<std::size_t>(which)];
  vela::multiviewer_settings_changes::set_window_colour(
      m_context.m_link, m_context.multiviewer(), m_context.record_changes(), list.colours, list.command_code,
      m_context.multiviewer().m_settings.*entry.channel, static_cast<std::uint8_t>(colour));
}
