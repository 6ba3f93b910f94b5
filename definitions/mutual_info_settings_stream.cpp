// Relationship settings on a stream.
#include "definitions/mutual_info_settings_stream.h"

#include <cstring>

namespace textcore {

namespace {

uint8_t Flag(uint8_t stored) { return stored != 0 ? 1 : 0; }

} // namespace

TMutual_info_settings32 TMutual_info_settings32FromOld(const TMutual_info_settings_old &Old) {
  TMutual_info_settings32 rec{};
  rec.spare_stop = static_cast<Tcollocates_stop_at_type>(mutual_info_settings32_marker);
  rec.stop_at = Old.stop_at;
  rec.omit_left_right_matches = Flag(Old.omit_left_right_matches);
  rec.omit_numbers = Flag(Old.omit_numbers);
  rec.show_pairs_twice = Flag(Old.show_pairs_twice);
  rec.recompute_total_tokens = Flag(Old.recompute_total_tokens);
  rec.two_way = Flag(Old.two_way);
  rec.MI_span = Old.span;
  rec.MI_max_percent = Old.max_percent;
  rec.MI_min_texts = 1;
  rec.minima.fill(mutual_info_no_minimum);
  rec.minima[MI_MI] = Old.min_mutual_info;
  return rec;
}

TMutual_info_settings_old TMutual_info_settingsOldFrom32(const TMutual_info_settings32 &New) {
  TMutual_info_settings_old old;
  old.stop_at = New.stop_at;
  old.omit_left_right_matches = Flag(New.omit_left_right_matches);
  old.omit_numbers = Flag(New.omit_numbers);
  old.show_pairs_twice = Flag(New.show_pairs_twice);
  old.recompute_total_tokens = Flag(New.recompute_total_tokens);
  old.two_way = Flag(New.two_way);
  old.span = New.MI_span;
  old.min_freq = New.spare_MI_min_freq;
  old.max_percent = New.MI_max_percent;
  old.min_mutual_info = New.minima[MI_MI];
  return old;
}

bool TMutual_info_settings32FromStream(TStream &Stream, TMutual_info_settings32 &Rec) {
  Rec = TMutual_info_settings32{};
  const int64_t start = Stream.Position();
  TMutual_info_settings_old old;
  const bool told = ReadFully(Stream, &old, sizeof old) == sizeof old;
  if (told && old.spare_stop < mutual_info_settings32_marker) {
    Rec = TMutual_info_settings32FromOld(old);
    return true;
  }
  Stream.SetPosition(start);
  return told && ReadFully(Stream, &Rec, sizeof Rec) == sizeof Rec;
}

bool TMutual_info_settings32ToStream(TStream &Stream, const TMutual_info_settings32 &Rec) {
  TMutual_info_settings32 marked = Rec;
  if (marked.spare_stop < mutual_info_settings32_marker)
    marked.spare_stop = static_cast<Tcollocates_stop_at_type>(mutual_info_settings32_marker);
  return Stream.Write(&marked, sizeof marked) == sizeof marked;
}

} // namespace textcore
