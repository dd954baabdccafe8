// Writes the render beside its destination and renames it only when complete.
#include "tools/render/AudioFileWriter.h"

#include "tools/render/RenderError.h"

#include <unistd.h>

#include <strings.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace rivo
{

int AudioFileWriter::find_container(const std::string &path)
{
	const size_t dot = path.find_last_of('.');
	const std::string ext = dot == std::string::npos ? std::string() : path.substr(dot + 1);
	const struct
	{
		const char *ext;
		int container;
	} types[] = {{"wav", SF_FORMAT_WAV}, {"flac", SF_FORMAT_FLAC}, {"aif", SF_FORMAT_AIFF}, {"aiff", SF_FORMAT_AIFF}};
	for (const auto &t : types)
	{
		if (strcasecmp(ext.c_str(), t.ext) == 0)
		{
			return t.container;
		}
	}
	return 0;
}

AudioFileWriter::AudioFileWriter(const std::string &path, int nbr_chn, int sample_rate, int subtype)
: _path(path)
, _tmp_path(path + ".part-" + std::to_string(getpid()))
, _nbr_chn(nbr_chn)
{
	const int container = find_container(path);
	if (container == 0)
	{
		throw RenderError(RenderError::Status_USAGE, "unknown output type for " + path + " (use .wav, .flac or .aiff)");
	}
	if (subtype == 0)
	{
		subtype = container == SF_FORMAT_FLAC ? SF_FORMAT_PCM_24 : SF_FORMAT_FLOAT;
	}
	SF_INFO info{};
	info.channels = nbr_chn;
	info.samplerate = sample_rate;
	info.format = container | subtype;
	if (!sf_format_check(&info))
	{
		throw RenderError(RenderError::Status_OUTPUT, "the output type of " + path + " cannot hold this sample format");
	}
	_file_ptr = sf_open(_tmp_path.c_str(), SFM_WRITE, &info);
	if (_file_ptr == nullptr)
	{
		throw RenderError(RenderError::Status_OUTPUT, "cannot write " + path + ": " + sf_strerror(nullptr));
	}
	// Integer outputs saturate instead of wrapping round.
	sf_command(_file_ptr, SFC_SET_CLIPPING, nullptr, SF_TRUE);
	_integer = subtype != SF_FORMAT_FLOAT && subtype != SF_FORMAT_DOUBLE;
}

AudioFileWriter::~AudioFileWriter()
{
	if (_file_ptr != nullptr)
	{
		sf_close(_file_ptr);
		std::remove(_tmp_path.c_str());
	}
}

void AudioFileWriter::fail(const std::string &why)
{
	sf_close(_file_ptr);
	_file_ptr = nullptr;
	std::remove(_tmp_path.c_str());
	throw RenderError(RenderError::Status_OUTPUT, "cannot write " + _path + ": " + why);
}

void AudioFileWriter::write(const std::vector<std::vector<float>> &chn, long n)
{
	const size_t nbr_chn = size_t(_nbr_chn);
	_interleaved.resize(size_t(n) * nbr_chn);
	for (size_t c = 0; c < nbr_chn; ++c)
	{
		for (long i = 0; i < n; ++i)
		{
			const float x = chn[c][size_t(i)];
			_interleaved[size_t(i) * nbr_chn + c] = x;
			if (_integer)
			{
				const float mag = std::fabs(x);
				_peak = std::max(_peak, mag);
				_nbr_clipped += (mag > 1.0f) ? 1 : 0;
			}
		}
	}
	if (sf_writef_float(_file_ptr, _interleaved.data(), n) != n)
	{
		fail(sf_strerror(_file_ptr));
	}
}

void AudioFileWriter::commit()
{
	const int ret = sf_close(_file_ptr);
	_file_ptr = nullptr;
	if (ret != 0 || std::rename(_tmp_path.c_str(), _path.c_str()) != 0)
	{
		std::remove(_tmp_path.c_str());
		throw RenderError(RenderError::Status_OUTPUT, "cannot write " + _path);
	}
}

}  // namespace rivo
