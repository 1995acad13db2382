#include "engine/platform/ogg_decoder.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>

namespace vorantis {

namespace {

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

int SeekMemory(void* source, ogg_int64_t offset, int whence) {
  auto* stream = static_cast<MemoryStream*>(source);
  const auto size = static_cast<ogg_int64_t>(stream->data->size());
  ogg_int64_t base = 0;
  if (whence == SEEK_CUR) base = static_cast<ogg_int64_t>(stream->position);
  if (whence == SEEK_END) base = size;
  const ogg_int64_t target = base + offset;
  if (target < 0 || target > size) return -1;
  stream->position = static_cast<std::size_t>(target);
  return 0;
}

long TellMemory(void* source) {
  return static_cast<long>(static_cast<MemoryStream*>(source)->position);
}

}  // namespace

bool DecodeOgg(const std::vector<std::uint8_t>& data, Pcm& out, std::size_t limit) {
  MemoryStream stream{&data};
  const ov_callbacks callbacks{ReadMemory, SeekMemory, nullptr, TellMemory};
  OggVorbis_File file;
  if (ov_open_callbacks(&stream, &file, nullptr, 0, callbacks) != 0) return false;

  const vorbis_info* info = ov_info(&file, -1);
  if (!info || info->channels <= 0 || info->rate <= 0) {
    ov_clear(&file);
    return false;
  }
  const int channels = info->channels;
  const std::size_t frame = static_cast<std::size_t>(channels) * 2;
  limit -= limit % frame;

  std::vector<std::uint8_t> pcm;
  const ogg_int64_t total = ov_pcm_total(&file, -1);
  if (total > 0) pcm.reserve(std::min(limit, static_cast<std::size_t>(total) * frame));

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
  const long rate = info->rate;
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
