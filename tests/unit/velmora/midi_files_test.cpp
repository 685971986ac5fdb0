// Checks the ten shipped songs (resources/music/ravlo1.mid ... ravlo10.mid)
// with a small Standard MIDI File reader of its own, written from the file
// format rather than shared with the generator, so a writer bug can't hide
// behind the same bug in the reader.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#ifndef VELMORA_SOURCE_DIR
#error "VELMORA_SOURCE_DIR must be defined as the repository root, e.g. -DVELMORA_SOURCE_DIR='\"/path\"'"
#endif

namespace {

using Bytes = std::vector<uint8_t>;

struct SmfError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Event {
  uint64_t tick = 0;     // absolute, in division units
  uint8_t status = 0;    // 0x80-0xEF channel message, 0xFF meta, 0xF0/0xF7 sysex
  uint8_t metaType = 0;
  Bytes data;            // channel: the data bytes; meta and sysex: the payload

  bool isNoteOn() const { return (status & 0xF0) == 0x90 && data[1] > 0; }
  bool isNoteOff() const {
    return (status & 0xF0) == 0x80 || ((status & 0xF0) == 0x90 && data[1] == 0);
  }
  int channel() const { return status & 0x0F; }
};

struct Track {
  std::vector<Event> events;
  int runningStatusEvents = 0;  // channel messages that omitted their status byte
};

struct Smf {
  int format = 0;
  int division = 0;
  std::vector<Track> tracks;
};

class Reader {
 public:
  explicit Reader(const Bytes& bytes) : bytes_(bytes) {}

  Smf read() {
    Smf smf;
    if (bytes_.size() < 14 || !tagAt(0, "MThd")) throw SmfError("no MThd header chunk");
    if (u32(4) != 6) throw SmfError("header chunk length is not 6");
    smf.format = u16(8);
    const int declaredTracks = u16(10);
    smf.division = u16(12);
    if (smf.format != 0 && smf.format != 1) throw SmfError("format is not 0 or 1");
    if (smf.format == 0 && declaredTracks != 1) throw SmfError("format 0 with more than one track");
    if (smf.division == 0 || (smf.division & 0x8000) != 0)
      throw SmfError("division is not a positive ticks-per-quarter count");

    size_t pos = 14;
    while (pos < bytes_.size()) {
      if (bytes_.size() - pos < 8) throw SmfError("truncated chunk header");
      const uint32_t length = u32(pos + 4);
      if (length > bytes_.size() - pos - 8) throw SmfError("chunk runs past the end of the file");
      if (tagAt(pos, "MTrk")) smf.tracks.push_back(readTrack(pos + 8, pos + 8 + length));
      // Chunks of other types may be skipped, as the format allows.
      pos += 8 + length;
    }
    if (static_cast<int>(smf.tracks.size()) != declaredTracks)
      throw SmfError("track count in header does not match MTrk chunks");
    return smf;
  }

 private:
  bool tagAt(size_t pos, const char* tag) const {
    return std::equal(tag, tag + 4, bytes_.begin() + static_cast<std::ptrdiff_t>(pos));
  }
  uint32_t u32(size_t p) const {
    return uint32_t(bytes_[p]) << 24 | uint32_t(bytes_[p + 1]) << 16 | uint32_t(bytes_[p + 2]) << 8 |
           bytes_[p + 3];
  }
  int u16(size_t p) const { return bytes_[p] << 8 | bytes_[p + 1]; }

  uint8_t next(size_t& pos, size_t end) const {
    if (pos >= end) throw SmfError("event runs past the end of its track chunk");
    return bytes_[pos++];
  }

  uint32_t readVlq(size_t& pos, size_t end) const {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const uint8_t b = next(pos, end);
      value = (value << 7) | (b & 0x7F);
      if ((b & 0x80) == 0) return value;
    }
    throw SmfError("variable-length quantity longer than four bytes");
  }

  Bytes readPayload(size_t& pos, size_t end) const {
    const uint32_t length = readVlq(pos, end);
    if (length > end - pos) throw SmfError("event runs past the end of its track chunk");
    Bytes payload(bytes_.begin() + static_cast<std::ptrdiff_t>(pos),
                  bytes_.begin() + static_cast<std::ptrdiff_t>(pos + length));
    pos += length;
    return payload;
  }

  Track readTrack(size_t pos, size_t end) const {
    Track track;
    uint64_t tick = 0;
    uint8_t running = 0;
    bool ended = false;
    while (pos < end) {
      if (ended) throw SmfError("data after end-of-track");
      tick += readVlq(pos, end);
      Event ev;
      ev.tick = tick;
      uint8_t first = next(pos, end);
      if (first & 0x80) {
        ev.status = first;
      } else {
        if (running == 0) throw SmfError("running status without a previous status byte");
        ev.status = running;
        --pos;  // the byte was data, read it again below
        ++track.runningStatusEvents;
      }

      if (ev.status < 0xF0) {
        const int kind = ev.status & 0xF0;
        const int count = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
        for (int i = 0; i < count; ++i) {
          const uint8_t b = next(pos, end);
          if (b & 0x80) throw SmfError("status byte where a data byte belongs");
          ev.data.push_back(b);
        }
        running = ev.status;
      } else if (ev.status == 0xFF) {
        ev.metaType = next(pos, end);
        ev.data = readPayload(pos, end);
        checkMetaLength(ev);
        running = 0;  // meta events cancel running status
        if (ev.metaType == 0x2F) ended = true;
      } else if (ev.status == 0xF0 || ev.status == 0xF7) {
        ev.data = readPayload(pos, end);
        running = 0;
      } else {
        throw SmfError("status byte not allowed in a file");
      }
      track.events.push_back(std::move(ev));
    }
    if (!ended) throw SmfError("track does not end with end-of-track");
    return track;
  }

  static void checkMetaLength(const Event& ev) {
    static const std::map<uint8_t, size_t> fixed = {{0x2F, 0}, {0x51, 3}, {0x58, 4}, {0x59, 2}};
    auto it = fixed.find(ev.metaType);
    if (it != fixed.end() && ev.data.size() != it->second)
      throw SmfError("meta event with the wrong length");
  }

  const Bytes& bytes_;
};

Smf parse(const Bytes& bytes) { return Reader(bytes).read(); }

// Seconds from the start to the last event, following every tempo change.
double durationSeconds(const Smf& smf) {
  std::vector<std::pair<uint64_t, uint32_t>> tempos;  // tick, microseconds per quarter
  uint64_t end = 0;
  for (const Track& t : smf.tracks) {
    for (const Event& e : t.events) {
      if (e.status == 0xFF && e.metaType == 0x51)
        tempos.emplace_back(e.tick, uint32_t(e.data[0]) << 16 | e.data[1] << 8 | e.data[2]);
    }
    if (!t.events.empty()) end = std::max(end, t.events.back().tick);
  }
  std::stable_sort(tempos.begin(), tempos.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  double seconds = 0;
  uint64_t tick = 0;
  uint32_t usPerQuarter = 500000;  // the format's default, 120 bpm
  for (const auto& [at, us] : tempos) {
    const uint64_t until = std::min(at, end);
    if (until > tick) seconds += double(until - tick) * usPerQuarter / 1e6 / smf.division;
    tick = std::max(tick, until);
    usPerQuarter = us;
  }
  if (end > tick) seconds += double(end - tick) * usPerQuarter / 1e6 / smf.division;
  return seconds;
}

std::string songPath(int n) {
  return std::string(VELMORA_SOURCE_DIR) + "/resources/music/ravlo" + std::to_string(n) + ".mid";
}

Bytes readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Reads one song; an unreadable file is reported as a failure and skipped.
std::optional<Smf> loadSong(int n) {
  const std::string path = songPath(n);
  try {
    return parse(readFile(path));
  } catch (const std::exception& e) {
    ADD_FAILURE() << path << ": " << e.what();
    return std::nullopt;
  }
}

// --- the reader itself -------------------------------------------------------

Bytes header(int format, int tracks, int division) {
  return {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, uint8_t(format), 0, uint8_t(tracks),
          uint8_t(division >> 8), uint8_t(division & 0xFF)};
}

Bytes trackChunk(const Bytes& body) {
  const auto n = body.size();
  Bytes chunk = {'M', 'T', 'r', 'k', uint8_t(n >> 24), uint8_t(n >> 16), uint8_t(n >> 8), uint8_t(n)};
  chunk.insert(chunk.end(), body.begin(), body.end());
  return chunk;
}

Bytes concat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const Bytes kEndOfTrack = {0x00, 0xFF, 0x2F, 0x00};

TEST(SmfReader, ReadsRunningStatusLongDeltasAndLongMetaLengths) {
  Bytes text(130, 'x');  // a 130-byte text event needs a two-byte length
  Bytes body = {0x00, 0xFF, 0x01, 0x81, 0x02};
  body.insert(body.end(), text.begin(), text.end());
  body = concat(body, {
                          0x00, 0x91, 60, 100,  // note-on, channel 2
                          0x81, 0x00, 60, 0,    // 128 ticks later, running status, velocity 0
                          0x00, 64, 90,         // another running-status note-on
                          0x60, 0x81, 64, 0x40, // explicit note-off
                          0x00, 0xF0, 0x02, 0x7E, 0xF7,  // sysex, cancels running status
                      });
  body = concat(body, kEndOfTrack);
  const Smf smf = parse(concat(header(0, 1, 96), trackChunk(body)));

  ASSERT_EQ(smf.tracks.size(), 1u);
  const auto& events = smf.tracks[0].events;
  ASSERT_EQ(events.size(), 7u);
  EXPECT_EQ(events[0].data.size(), 130u);
  EXPECT_EQ(events[2].tick, 128u);
  EXPECT_TRUE(events[2].isNoteOff());
  EXPECT_EQ(events[2].channel(), 1);
  EXPECT_TRUE(events[3].isNoteOn());
  EXPECT_EQ(events[4].tick, 128u + 0x60);
  EXPECT_TRUE(events[4].isNoteOff());
  EXPECT_EQ(events[5].status, 0xF0);
  EXPECT_EQ(smf.tracks[0].runningStatusEvents, 2);
  EXPECT_NEAR(durationSeconds(smf), 224.0 / 96 * 0.5, 1e-9);
}

TEST(SmfReader, TimesATrackByTheTempoMapInAnotherTrack) {
  // Format 1: tempos live in the first track and apply to all of them.
  const Bytes conductor = trackChunk({
      0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,  // 120 bpm
      0x60, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40,  // 60 bpm from tick 96
      0x00, 0xFF, 0x2F, 0x00,
  });
  const Bytes notes = trackChunk({0x00, 0x90, 60, 100, 0x81, 0x40, 60, 0, 0x00, 0xFF, 0x2F, 0x00});
  const Smf smf = parse(concat(concat(header(1, 2, 96), conductor), notes));
  // 96 ticks at 120 bpm, then 96 at 60 bpm.
  EXPECT_NEAR(durationSeconds(smf), 0.5 + 1.0, 1e-9);
}

TEST(SmfReader, RejectsBrokenFiles) {
  const Bytes goodTrack = trackChunk(concat({0x00, 0x90, 60, 100, 0x60, 60, 0}, kEndOfTrack));
  Bytes truncated = concat(header(0, 1, 96), goodTrack);
  truncated.resize(truncated.size() - 2);
  Bytes badMagic = concat(header(0, 1, 96), goodTrack);
  badMagic[3] = 'x';
  Bytes longHeader = concat(header(0, 1, 96), goodTrack);
  longHeader[7] = 7;

  struct Case {
    const char* name;
    Bytes file;
    const char* error;  // expected in the message
  } cases[] = {
      {"bad magic", badMagic, "MThd"},
      {"header length not 6", longHeader, "length is not 6"},
      {"format 2", concat(header(2, 1, 96), goodTrack), "format"},
      {"zero division", concat(header(0, 1, 0), goodTrack), "division"},
      {"SMPTE division", concat(header(0, 1, 0xE728), goodTrack), "division"},
      {"too few tracks", concat(header(1, 2, 96), goodTrack), "track count"},
      {"truncated chunk", truncated, "past the end of the file"},
      {"truncated chunk header", concat(concat(header(0, 1, 96), goodTrack), {'M', 'T'}), "chunk header"},
      {"missing end of track", concat(header(0, 1, 96), trackChunk({0x00, 0x90, 60, 100, 0x60, 60, 0})),
       "end-of-track"},
      {"data after end of track",
       concat(header(0, 1, 96), trackChunk(concat(kEndOfTrack, {0x00, 0x90, 60, 100}))), "after end-of-track"},
      {"meta length past chunk", concat(header(0, 1, 96), trackChunk({0x00, 0xFF, 0x01, 0x10, 'a', 'b'})),
       "past the end of its track"},
      {"sysex length past chunk", concat(header(0, 1, 96), trackChunk({0x00, 0xF0, 0x81, 0x00, 0x7E})),
       "past the end of its track"},
      {"note cut short", concat(header(0, 1, 96), trackChunk({0x00, 0x90, 60})), "past the end of its track"},
      {"running status with no status", concat(header(0, 1, 96), trackChunk(concat({0x00, 60, 100}, kEndOfTrack))),
       "running status"},
      {"five-byte delta time", concat(header(0, 1, 96), trackChunk({0x81, 0x81, 0x81, 0x81, 0x01, 0xFF, 0x2F, 0x00})),
       "longer than four bytes"},
      {"tempo with wrong length",
       concat(header(0, 1, 96), trackChunk(concat({0x00, 0xFF, 0x51, 0x02, 0x07, 0xA1}, kEndOfTrack))),
       "wrong length"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      parse(c.file);
      ADD_FAILURE() << "accepted a broken file";
    } catch (const SmfError& e) {
      EXPECT_NE(std::string(e.what()).find(c.error), std::string::npos) << e.what();
    }
  }
}

// --- the shipped songs -------------------------------------------------------

class ShippedSong : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    std::optional<Smf> smf = loadSong(GetParam());
    ASSERT_TRUE(smf.has_value());
    smf_ = std::move(*smf);
  }
  Smf smf_;
};

TEST_P(ShippedSong, IsAWellFormedMidiFile) {
  // parse() has already checked the header, chunk bounds, every event and the
  // end-of-track on every track; here the header fields a player relies on.
  EXPECT_TRUE(smf_.format == 0 || smf_.format == 1);
  EXPECT_GT(smf_.division, 0);
  ASSERT_FALSE(smf_.tracks.empty());
  for (const Track& t : smf_.tracks) {
    ASSERT_FALSE(t.events.empty());
    EXPECT_EQ(t.events.back().status, 0xFF);
    EXPECT_EQ(t.events.back().metaType, 0x2F);
  }
}

TEST_P(ShippedSong, HasMelodyBassAndHarmonyOnSeparateChannels) {
  std::set<int> channels;
  for (const Track& t : smf_.tracks)
    for (const Event& e : t.events)
      if (e.isNoteOn()) channels.insert(e.channel());
  EXPECT_GE(channels.size(), 3u);
}

TEST_P(ShippedSong, ReleasesEveryNoteItStrikes) {
  for (size_t i = 0; i < smf_.tracks.size(); ++i) {
    SCOPED_TRACE("track " + std::to_string(i));
    std::map<std::pair<int, int>, int> sounding;  // (channel, key) -> notes held
    int strayOffs = 0;
    for (const Event& e : smf_.tracks[i].events) {
      const auto key = std::make_pair(e.channel(), int(e.data.empty() ? 0 : e.data[0]));
      if (e.isNoteOn()) {
        ++sounding[key];
      } else if (e.isNoteOff()) {
        if (sounding[key] == 0)
          ++strayOffs;
        else
          --sounding[key];
      }
    }
    EXPECT_EQ(strayOffs, 0);
    for (const auto& [note, held] : sounding)
      EXPECT_EQ(held, 0) << "channel " << note.first << " key " << note.second << " never released";
  }
}

TEST_P(ShippedSong, LastsBetweenOneAndThreeMinutes) {
  const double seconds = durationSeconds(smf_);
  EXPECT_GE(seconds, 60.0);
  EXPECT_LE(seconds, 180.0);
}

INSTANTIATE_TEST_SUITE_P(Playlist, ShippedSong, ::testing::Range(1, 11),
                         [](const ::testing::TestParamInfo<int>& param) {
                           return "ravlo" + std::to_string(param.param);
                         });

// The reader's running-status path must really be exercised by the playlist.
TEST(Playlist, UsesRunningStatus) {
  int events = 0;
  for (int n = 1; n <= 10; ++n)
    if (auto smf = loadSong(n))
      for (const Track& t : smf->tracks) events += t.runningStatusEvents;
  EXPECT_GT(events, 0);
}

// Ten different tunes: no two files open with the same run of melodic
// intervals on channel 1, which carries the tune. Intervals rather than
// pitches, so a transposed copy is caught too.
TEST(Playlist, EverySongHasADifferentTune) {
  std::map<std::vector<int>, int> seen;
  for (int n = 1; n <= 10; ++n) {
    const std::optional<Smf> smf = loadSong(n);
    if (!smf) continue;
    std::vector<std::pair<uint64_t, int>> onsets;
    for (const Track& t : smf->tracks)
      for (const Event& e : t.events)
        if (e.isNoteOn() && e.channel() == 0) onsets.emplace_back(e.tick, e.data[0]);
    std::stable_sort(onsets.begin(), onsets.end());
    if (onsets.size() < 13) {
      ADD_FAILURE() << "ravlo" << n << ": too few melody notes on channel 1";
      continue;
    }
    std::vector<int> intervals;
    for (size_t i = 1; i <= 12; ++i) intervals.push_back(onsets[i].second - onsets[i - 1].second);
    const auto [it, fresh] = seen.emplace(intervals, n);
    EXPECT_TRUE(fresh) << "ravlo" << n << " opens like ravlo" << it->second;
  }
}

}  // namespace
