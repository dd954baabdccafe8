// tarvelle-render: renders audio files through a VST 2 plug-in from the
// command line. See --help, and RenderError for the exit statuses.
#include "sys/AtomicFile.h"
#include "tools/render/AudioFileReader.h"
#include "tools/render/AudioFileWriter.h"
#include "tools/render/RenderError.h"
#include "tools/render/RenderOptions.h"
#include "tools/render/RenderProgress.h"
#include "tools/render/Vst2HostedPlugin.h"

#include <strings.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace
{

using rivo::RenderError;

bool is_index(const std::string &txt)
{
	return !txt.empty() && txt.size() < 10 && std::all_of(txt.begin(), txt.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// An index below nbr, or the first name get_name(i) matches without regard to case.
template <class GetName>
int find_by_index_or_name(const std::string &txt, int nbr, GetName get_name, const char *what_0, const char *list_0)
{
	if (is_index(txt))
	{
		const int index = std::stoi(txt);
		if (index < nbr)
		{
			return index;
		}
		throw RenderError(RenderError::Status_NAME, std::string("no ") + what_0 + " " + txt + ": the plug-in has " +
		                                               std::to_string(nbr) + " (see " + list_0 + ")");
	}
	for (int i = 0; i < nbr; ++i)
	{
		if (strcasecmp(get_name(i).c_str(), txt.c_str()) == 0)
		{
			return i;
		}
	}
	throw RenderError(RenderError::Status_NAME, std::string("no ") + what_0 + " named '" + txt + "' (see " + list_0 + ")");
}

void load_chunk(rivo::Vst2HostedPlugin &plugin, const std::string &path)
{
	std::ifstream in(path, std::ios::binary);
	if (!in)
	{
		throw RenderError(RenderError::Status_CHUNK, "cannot read the chunk file " + path);
	}
	const std::vector<unsigned char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
	if (!plugin.has_chunks())
	{
		throw RenderError(RenderError::Status_CHUNK, "the plug-in takes no chunks");
	}
	// A bank chunk first; a plug-in refuses a chunk of the other kind.
	if (data.empty() || (!plugin.set_chunk(data, false) && !plugin.set_chunk(data, true)))
	{
		throw RenderError(RenderError::Status_CHUNK, "the plug-in does not take the chunk in " + path);
	}
}

void list(rivo::Vst2HostedPlugin &plugin, const rivo::RenderOptions &opt)
{
	if (opt._list_programs)
	{
		for (int i = 0; i < plugin.get_nbr_programs(); ++i)
		{
			std::printf("%d\t%s\n", i, plugin.get_program_name(i).c_str());
		}
	}
	if (opt._list_params)
	{
		for (int i = 0; i < plugin.get_nbr_params(); ++i)
		{
			std::printf("%d\t%s\t%s\t%s\n", i, plugin.get_param_name(i).c_str(), plugin.get_param_display(i).c_str(),
			            plugin.get_param_label(i).c_str());
		}
	}
}

// The file's channels on the plug-in's input pins: fewer channels repeat
// round the pins (mono feeds both sides), more are averaged onto them.
void map_to_pins(const std::vector<std::vector<float>> &chn, std::vector<std::vector<float>> &pins, long n)
{
	const size_t nbr_chn = chn.size();
	for (size_t p = 0; p < pins.size(); ++p)
	{
		std::fill(pins[p].begin(), pins[p].begin() + n, 0.0f);
		int count = 0;
		for (size_t c = p % nbr_chn; c < nbr_chn; c += pins.size())
		{
			for (long i = 0; i < n; ++i)
			{
				pins[p][size_t(i)] += chn[c][size_t(i)];
			}
			++count;
		}
		if (count > 1)
		{
			for (long i = 0; i < n; ++i)
			{
				pins[p][size_t(i)] /= float(count);
			}
		}
	}
}

int run(const rivo::RenderOptions &opt)
{
	rivo::Vst2HostedPlugin plugin(opt._plugin);
	if (!opt._load_chunk.empty())
	{
		load_chunk(plugin, opt._load_chunk);
	}
	if (!opt._program.empty())
	{
		plugin.set_program(find_by_index_or_name(
		   opt._program, plugin.get_nbr_programs(), [&](int i) { return plugin.get_program_name(i); }, "program",
		   "--list-programs"));
	}
	for (const auto &param : opt._params)
	{
		plugin.set_param(find_by_index_or_name(
		                    param.first, plugin.get_nbr_params(), [&](int i) { return plugin.get_param_name(i); },
		                    "parameter", "--list-params"),
		                 param.second);
	}
	list(plugin, opt);
	if (opt._input.empty())
	{
		return 0;
	}

	rivo::AudioFileReader reader(opt._input);
	const int rate = reader.get_sample_rate();
	if (opt._rate != 0 && opt._rate != rate)
	{
		throw RenderError(RenderError::Status_VALUE, opt._input + " is at " + std::to_string(rate) + " Hz: rendering at " +
		                                                std::to_string(opt._rate) + " Hz would need resampling, which is not done");
	}
	if (plugin.get_nbr_outputs() <= 0)
	{
		throw RenderError(RenderError::Status_PLUGIN, "the plug-in has no audio outputs");
	}
	sys::AtomicFile chunk_file;
	std::vector<unsigned char> chunk;
	if (!opt._save_chunk.empty())
	{
		chunk = plugin.get_chunk(opt._save_program_chunk);
		if (chunk.empty())
		{
			throw RenderError(RenderError::Status_CHUNK, "the plug-in gives no chunk to save");
		}
		if (!chunk_file.open(opt._save_chunk.c_str()) || !chunk_file.write(chunk.data(), chunk.size()))
		{
			throw RenderError(RenderError::Status_OUTPUT, "cannot write the chunk file " + opt._save_chunk);
		}
	}

	const long block = opt._block;
	plugin.start(rate, int(block), opt._tempo);
	rivo::AudioFileWriter writer(opt._output, plugin.get_nbr_outputs(), rate,
	                             opt._keep_format ? reader.get_subtype() : 0);
	std::vector<std::vector<float>> file_in;
	std::vector<std::vector<float>> pins_in(size_t(plugin.get_nbr_inputs()), std::vector<float>(size_t(block)));
	std::vector<std::vector<float>> pins_out(size_t(plugin.get_nbr_outputs()), std::vector<float>(size_t(block)));
	std::vector<float *> in_ptrs;
	std::vector<float *> out_ptrs;
	for (auto &v : pins_in)
	{
		in_ptrs.push_back(v.data());
	}
	for (auto &v : pins_out)
	{
		out_ptrs.push_back(v.data());
	}
	const long long tail = (long long)std::llround(opt._tail * rate);
	const long long total = reader.get_nbr_frames() + tail;
	long long done = 0;
	long long tail_left = tail;
	rivo::RenderProgress progress(opt._quiet);
	for (;;)
	{
		long n = reader.read(file_in, block);
		if (n > 0)
		{
			map_to_pins(file_in, pins_in, n);
		}
		else if (tail_left > 0)
		{
			n = long(std::min<long long>(block, tail_left));
			tail_left -= n;
			// Every block: a plug-in may use its input buffers as scratch.
			for (auto &v : pins_in)
			{
				std::fill(v.begin(), v.end(), 0.0f);
			}
		}
		else
		{
			break;
		}
		plugin.process(in_ptrs.data(), out_ptrs.data(), int(n));
		writer.write(pins_out, n);
		done += n;
		progress.update(done, std::max(total, done));
	}
	progress.finish();
	writer.commit();
	if (!opt._save_chunk.empty() && !chunk_file.commit())
	{
		throw RenderError(RenderError::Status_OUTPUT, "cannot write the chunk file " + opt._save_chunk);
	}
	if (!opt._quiet)
	{
		std::fprintf(stderr, "wrote %s: %lld frames, %d channels, %d Hz\n", opt._output.c_str(), done,
		             plugin.get_nbr_outputs(), rate);
	}
	return 0;
}

}  // namespace

int main(int argc, char **argv)
{
	try
	{
		const rivo::RenderOptions opt = rivo::RenderOptions::parse(argc, argv, TARVELLE_DEFAULT_PLUGIN);
		if (opt._help)
		{
			std::fputs(rivo::RenderOptions::get_usage(), stdout);
			return 0;
		}
		return run(opt);
	}
	catch (const RenderError &e)
	{
		std::fprintf(stderr, "tarvelle-render: %s\n", e.what());
		return e.get_status();
	}
	catch (const std::exception &e)
	{
		std::fprintf(stderr, "tarvelle-render: %s\n", e.what());
		return 1;
	}
}
