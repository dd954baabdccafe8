// Reads an audio file (WAV, FLAC, AIFF and the other types libsndfile knows)
// block by block as separate float channels.
#pragma once

#include <sndfile.h>

#include <string>
#include <vector>

namespace rivo
{

class AudioFileReader
{
public:
	// RenderError (Status_INPUT) when the file is missing or not audio.
	explicit AudioFileReader(const std::string &path);
	AudioFileReader(const AudioFileReader &) = delete;
	AudioFileReader &operator=(const AudioFileReader &) = delete;
	~AudioFileReader();

	int get_nbr_chn() const noexcept
	{
		return _info.channels;
	}
	int get_sample_rate() const noexcept
	{
		return _info.samplerate;
	}
	long long get_nbr_frames() const noexcept
	{
		return _info.frames;
	}
	// The sample encoding (SF_FORMAT_SUBMASK part) of the file.
	int get_subtype() const noexcept
	{
		return _info.format & SF_FORMAT_SUBMASK;
	}

	// Reads up to n frames into chn[c][0..n); returns the number read, 0 at
	// the end. RenderError (Status_INPUT) on a read error.
	long read(std::vector<std::vector<float>> &chn, long n);

private:
	std::string _path;
	SF_INFO _info{};
	SNDFILE *_file_ptr = nullptr;
	std::vector<float> _interleaved;
};

}  // namespace rivo
