// Writes an audio file so that it only ever appears complete: the samples go
// to a temporary file beside the target, renamed over it on commit(). Without
// commit() the temporary file is removed and nothing is left behind.
#pragma once

#include <sndfile.h>

#include <string>
#include <vector>

namespace rivo
{

class AudioFileWriter
{
public:
	// The container follows the file name: .wav, .flac, .aif or .aiff; 0 for
	// any other name.
	static int find_container(const std::string &path);

	// subtype: an SF_FORMAT_* sample encoding, or 0 for 32-bit float (24-bit
	// integers in FLAC, which has no float samples). RenderError
	// (Status_OUTPUT) when the file cannot be created or the container does
	// not take that encoding.
	AudioFileWriter(const std::string &path, int nbr_chn, int sample_rate, int subtype);
	AudioFileWriter(const AudioFileWriter &) = delete;
	AudioFileWriter &operator=(const AudioFileWriter &) = delete;
	~AudioFileWriter();

	// Appends n frames of chn[0..nbr_chn)[0..n).
	void write(const std::vector<std::vector<float>> &chn, long n);
	void commit();

	// In an integer format, the samples beyond full scale (saturated when
	// written) and the highest magnitude met; 0 for float formats.
	long long get_nbr_clipped() const noexcept
	{
		return _nbr_clipped;
	}
	float get_peak() const noexcept
	{
		return _peak;
	}

private:
	void fail(const std::string &why);

	std::string _path;
	std::string _tmp_path;
	SNDFILE *_file_ptr = nullptr;
	int _nbr_chn;
	bool _integer = false;
	long long _nbr_clipped = 0;
	float _peak = 0;
	std::vector<float> _interleaved;
};

}  // namespace rivo
