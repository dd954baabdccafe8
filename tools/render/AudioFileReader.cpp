// Reads an audio file into float channels.
#include "tools/render/AudioFileReader.h"

#include "tools/render/RenderError.h"

namespace rivo
{

AudioFileReader::AudioFileReader(const std::string &path)
: _path(path)
{
	_file_ptr = sf_open(path.c_str(), SFM_READ, &_info);
	if (_file_ptr == nullptr)
	{
		throw RenderError(RenderError::Status_INPUT, "cannot read " + path + ": " + sf_strerror(nullptr));
	}
	if (_info.channels <= 0 || _info.samplerate <= 0)
	{
		sf_close(_file_ptr);
		throw RenderError(RenderError::Status_INPUT, path + " holds no audio channels");
	}
}

AudioFileReader::~AudioFileReader()
{
	sf_close(_file_ptr);
}

long AudioFileReader::read(std::vector<std::vector<float>> &chn, long n)
{
	const size_t nbr_chn = size_t(_info.channels);
	_interleaved.resize(size_t(n) * nbr_chn);
	const sf_count_t got = sf_readf_float(_file_ptr, _interleaved.data(), n);
	if (got < 0 || sf_error(_file_ptr) != SF_ERR_NO_ERROR)
	{
		throw RenderError(RenderError::Status_INPUT, "cannot read " + _path + ": " + sf_strerror(_file_ptr));
	}
	chn.resize(nbr_chn);
	for (size_t c = 0; c < nbr_chn; ++c)
	{
		chn[c].resize(size_t(n));
		for (sf_count_t i = 0; i < got; ++i)
		{
			chn[c][size_t(i)] = _interleaved[size_t(i) * nbr_chn + c];
		}
	}
	return long(got);
}

}  // namespace rivo
