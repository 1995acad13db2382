#include "engine/platform/ogg_decoder.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>

namespace vorantis {

namespace {

// Well above ordinary Vorbis (about 10 to 30 PCM bytes per file byte).
constexpr std::size_t kPcmBytesPerOggByte = 64;

// The stream read from memory: vorbisfile calls back into this.
struct MemoryStream {
  const std::vector<std::uint8_t>* data;
  std::size_t position = 0;
};

std::size_t ReadMemory(void* into, std::size_t size, std::size_t count, void* source) {
  auto* stream = static_cast<MemoryStream*>(source);
  if (size == 0) return 0;
  const std::size_t left = stream->data->size() - stream->position;
  const std::size_t items = std::min(count, left / size);
  if (items == 0) return 0;
  std::memcpy(into, stream->data->data() + stream->position, items * size);
  stream->position += items * size;
  return items;
}

// The stream's length as its last page gives it, or 0. Only a hint for the first
// reservation: the page may belong to a later chained stream, or lie.
std::uint64_t LastGranule(const std::vector<std::uint8_t>& data) {
  constexpr std::size_t kPageHeader = 27;
  for (std::size_t at = data.size() >= kPageHeader ? data.size() - kPageHeader + 1 : 0; at-- > 0;) {
    if (std::memcmp(data.data() + at, "OggS", 4) != 0 || data[at + 4] != 0) continue;
    std::uint64_t granule = 0;
    for (int i = 7; i >= 0; --i) granule = granule << 8 | data[at + 6 + i];
    return granule >> 63 ? 0 : granule;
  }
  return 0;
}

}  // namespace

bool DecodeOgg(const std::vector<std::uint8_t>& data, Pcm& out, std::size_t limit) {
  MemoryStream stream{&data};
  // Read as a stream that cannot seek: to seek, vorbisfile would first walk the whole file
  // and keep the headers of every chained stream in it, some 100 KB each.
  const ov_callbacks callbacks{ReadMemory, nullptr, nullptr, nullptr};
  OggVorbis_File file;
  if (ov_open_callbacks(&stream, &file, nullptr, 0, callbacks) != 0) return false;

  const vorbis_info* info = ov_info(&file, -1);
  if (!info || info->channels <= 0 || info->rate <= 0) {
    ov_clear(&file);
    return false;
  }
  // Taken now: reading on into a chained stream clears the first stream's header.
  const int channels = info->channels;
  const long rate = info->rate;
  const std::size_t frame = static_cast<std::size_t>(channels) * 2;
  limit -= limit % frame;

  // The length the last page claims only sizes the first reservation, and only as far as the
  // file could plausibly decode to; a longer stream grows the buffer as it decodes.
  std::vector<std::uint8_t> pcm;
  const std::size_t frames = std::min(LastGranule(data), std::uint64_t{limit / frame});
  pcm.reserve(std::min(frames * frame, data.size() * kPcmBytesPerOggByte));

  char chunk[16384];
  int section = 0;
  while (pcm.size() < limit) {
    const long got = ov_read(&file, chunk, sizeof chunk, 0, 2, 1, &section);
    if (got == OV_HOLE) continue;  // a gap in the data: decoding goes on after it
    if (got <= 0) break;           // end of stream, or damage that ends it
    // A chained stream whose later links change the layout is not ours to mix in.
    const vorbis_info* now = ov_info(&file, section);
    if (!now || now->channels != channels) break;
    const std::size_t take = std::min(static_cast<std::size_t>(got), limit - pcm.size());
    pcm.insert(pcm.end(), chunk, chunk + take);
  }
  ov_clear(&file);

  pcm.resize(pcm.size() - pcm.size() % frame);
  if (pcm.empty()) return false;
  out.channels = channels;
  out.sampleRate = static_cast<int>(rate);
  out.bitsPerSample = 16;
  out.bytes = std::move(pcm);
  return true;
}

void RegisterOggDecoder(Sounds& sounds) {
  sounds.RegisterSoundDecoder(
      [](const std::vector<std::uint8_t>& data, Pcm& out) { return DecodeOgg(data, out); });
}

}  // namespace vorantis
