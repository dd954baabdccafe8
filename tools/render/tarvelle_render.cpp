// tarvelle-render: renders audio files through a VST 2 plug-in from the
// command line. See --help, and RenderError for the exit statuses.
#include "params/BankManager.h"
#include "params/KtpbFileOp.h"
#include "sys/AtomicFile.h"
#include "sys/basic_fnc.h"
#include "tools/render/AudioFileReader.h"
#include "tools/render/AudioFileWriter.h"
#include "tools/render/NameFinder.h"
#include "tools/render/RenderError.h"
#include "tools/render/RenderOptions.h"
#include "tools/render/RenderProgress.h"
#include "tools/render/Vst2HostedPlugin.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace
{

using rivo::RenderError;

// Between automation points, parameters move in steps of at most this many samples.
constexpr long RAMP_STEP = 64;
// How finely a printed choice is looked for among the normalised values.
constexpr int CHOICE_STEPS = 1000;

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

// The programs --program and --program-at choose from: the plug-in's own, or
// those of a preset bank file, each handed over as a program chunk.
class Programs
{
public:
	Programs(rivo::Vst2HostedPlugin &plugin, const std::string &bank_path)
	: _plugin(plugin), _bank_path(bank_path), _finder("program", "--list-programs")
	{
		if (!bank_path.empty())
		{
			const int ret = rivo::KtpbFileOp::load_bank(bank_path.c_str(), _bank, false);
			if (ret != 0)
			{
				throw RenderError(RenderError::Status_CHUNK, "cannot load the bank file " + bank_path + ": " +
				                                                rivo::KtpbFileOp::get_err_txt(ret) + " (code " +
				                                                std::to_string(ret) + ")");
			}
		}
		for (int i = 0; i < get_nbr(); ++i)
		{
			_finder.add({get_name(i)});
		}
	}
	int get_nbr() const
	{
		return _bank_path.empty() ? _plugin.get_nbr_programs() : _bank.get_nbr_prog();
	}
	std::string get_name(int i) const
	{
		return _bank_path.empty() ? _plugin.get_program_name(i) : _bank[i].get_name();
	}
	int find(const std::string &txt) const
	{
		return _finder.find(txt);
	}
	void select(int i)
	{
		if (_bank_path.empty())
		{
			_plugin.set_program(i);
			return;
		}
		std::vector<unsigned char> image(size_t(_bank[i].get_object_size()), 0);
		if (_bank[i].write_to_memory(image.data(), long(image.size())) != 0 || !_plugin.has_chunks() ||
		    !_plugin.set_chunk(image, true))
		{
			throw RenderError(RenderError::Status_CHUNK, "the plug-in does not take program '" + get_name(i) +
			                                                "' of " + _bank_path);
		}
	}

private:
	rivo::Vst2HostedPlugin &_plugin;
	std::string _bank_path;
	rivo::BankManager _bank{0};
	rivo::NameFinder _finder;
};

rivo::NameFinder make_param_finder(rivo::Vst2HostedPlugin &plugin)
{
	rivo::NameFinder finder("parameter", "--list-params");
	for (int i = 0; i < plugin.get_nbr_params(); ++i)
	{
		finder.add({plugin.get_param_name(i), plugin.get_param_full_name(i)});
	}
	return finder;
}

// The normalised value of a setting: given as such, or read by the plug-in
// from a text in its own units (the parameter keeps the value it had).
float to_normalized(rivo::Vst2HostedPlugin &plugin, int index, const rivo::RenderOptions::Value &value)
{
	if (value._norm)
	{
		return value._nval;
	}
	const float before = plugin.get_param(index);
	float nval = -1;
	if (plugin.set_param_text(index, value._text))
	{
		nval = plugin.get_param(index);
	}
	else
	{
		// A choice the plug-in only prints (a waveform, say): the middle of
		// the values whose display is that text.
		int first = -1, last = -1;
		for (int k = 0; k <= CHOICE_STEPS; ++k)
		{
			plugin.set_param(index, float(k) / CHOICE_STEPS);
			if (basic::strcmp_ci(plugin.get_param_display(index).c_str(), value._text.c_str()))
			{
				first = (first < 0) ? k : first;
				last = k;
			}
			else if (first >= 0)
			{
				break;
			}
		}
		if (first >= 0)
		{
			nval = float(first + last) / (2.0f * CHOICE_STEPS);
		}
	}
	plugin.set_param(index, before);
	if (nval < 0)
	{
		throw RenderError(RenderError::Status_VALUE, plugin.get_param_full_name(index) + ": the plug-in does not read '" +
		                                                value._text + "' as a value (--param-norm takes 0..1)");
	}
	return nval;
}

void list(rivo::Vst2HostedPlugin &plugin, const Programs &programs, const rivo::RenderOptions &opt)
{
	if (opt._list_programs)
	{
		for (int i = 0; i < programs.get_nbr(); ++i)
		{
			std::printf("%d\t%s\n", i, programs.get_name(i).c_str());
		}
	}
	if (opt._list_params)
	{
		for (int i = 0; i < plugin.get_nbr_params(); ++i)
		{
			std::printf("%d\t%s\t%s\t%s\n", i, plugin.get_param_full_name(i).c_str(),
			            plugin.get_param_display(i).c_str(), plugin.get_param_label(i).c_str());
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

// What changes during the render, in samples: program changes and
// automation lanes. Blocks are cut at every event, so each lands on its
// sample; ramps move in steps of RAMP_STEP.
class Timeline
{
public:
	struct Lane
	{
		int _index = 0;
		std::vector<std::pair<long long, float>> _points;
		float _last = -1;
	};

	void add_program_change(long long at, int prog)
	{
		_changes.emplace_back(at, prog);
		std::stable_sort(_changes.begin(), _changes.end(),
		                 [](const auto &a, const auto &b) { return a.first < b.first; });
	}
	void add_lane(Lane lane)
	{
		_lanes.push_back(std::move(lane));
	}
	// Applies what is due at pos; gives the length of the block from pos.
	long apply(long long pos, long max_len, rivo::Vst2HostedPlugin &plugin, Programs &programs)
	{
		long long next = pos + max_len;
		while (_next_change < _changes.size() && _changes[_next_change].first <= pos)
		{
			programs.select(_changes[_next_change++].second);
			// The new program set every parameter: lanes give theirs again.
			for (Lane &lane : _lanes)
			{
				lane._last = -1;
			}
		}
		if (_next_change < _changes.size())
		{
			next = std::min(next, _changes[_next_change].first);
		}
		for (Lane &lane : _lanes)
		{
			const auto &pts = lane._points;
			if (pos < pts.front().first)
			{
				next = std::min(next, pts.front().first);
				continue;
			}
			size_t k = 0;
			while (k + 1 < pts.size() && pts[k + 1].first <= pos)
			{
				++k;
			}
			float v = pts[k].second;
			if (k + 1 < pts.size())
			{
				const auto &a = pts[k];
				const auto &b = pts[k + 1];
				v = a.second + (b.second - a.second) * float(double(pos - a.first) / double(b.first - a.first));
				next = std::min(next, b.first);
				if (a.second != b.second)
				{
					next = std::min(next, pos + RAMP_STEP);
				}
			}
			if (v != lane._last)
			{
				plugin.set_param(lane._index, v);
				lane._last = v;
			}
		}
		return long(next - pos);
	}

	// Whether anything was meant to happen at or after end (it never did).
	bool has_events_from(long long end) const
	{
		bool late = _next_change < _changes.size();
		for (const Lane &lane : _lanes)
		{
			late = late || lane._points.back().first >= end;
		}
		return late;
	}

private:
	std::vector<std::pair<long long, int>> _changes;
	size_t _next_change = 0;
	std::vector<Lane> _lanes;
};

bool same_file(const std::string &a, const std::string &b)
{
	struct stat a_st{}, b_st{};
	return ::stat(a.c_str(), &a_st) == 0 && ::stat(b.c_str(), &b_st) == 0 && a_st.st_dev == b_st.st_dev &&
	       a_st.st_ino == b_st.st_ino;
}

// What the render writes must never replace the input, nor the chunk the
// render, under whatever spelling or link.
void check_outputs(const rivo::RenderOptions &opt)
{
	if (same_file(opt._input, opt._output))
	{
		throw RenderError(RenderError::Status_OUTPUT, opt._output + " is the input file: choose another output");
	}
	if (!opt._save_chunk.empty() && (same_file(opt._input, opt._save_chunk) || same_file(opt._output, opt._save_chunk) ||
	                                 opt._save_chunk == opt._output))
	{
		throw RenderError(RenderError::Status_OUTPUT,
		                  opt._save_chunk + " is the input or the output file: choose another chunk file");
	}
}

int run(const rivo::RenderOptions &opt)
{
	rivo::Vst2HostedPlugin plugin(opt._plugin);
	if (!opt._load_chunk.empty())
	{
		load_chunk(plugin, opt._load_chunk);
	}
	Programs programs(plugin, opt._bank);
	if (!opt._program.empty())
	{
		programs.select(programs.find(opt._program));
	}
	else if (!opt._bank.empty() && opt._load_chunk.empty() && programs.get_nbr() > 0)
	{
		programs.select(0);  // a loaded chunk keeps its own program
	}
	const rivo::NameFinder param_finder = make_param_finder(plugin);
	for (const auto &param : opt._params)
	{
		const int index = param_finder.find(param._name);
		plugin.set_param(index, to_normalized(plugin, index, param._value));
	}
	list(plugin, programs, opt);
	if (opt._input.empty())
	{
		return 0;
	}

	check_outputs(opt);
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
	Timeline timeline;
	for (const auto &change : opt._program_changes)
	{
		timeline.add_program_change((long long)std::llround(change.first * rate), programs.find(change.second));
	}
	for (const auto &automation : opt._automations)
	{
		Timeline::Lane lane;
		lane._index = param_finder.find(automation._name);
		for (const auto &point : automation._points)
		{
			lane._points.emplace_back((long long)std::llround(point.first * rate),
			                          to_normalized(plugin, lane._index, point.second));
		}
		timeline.add_lane(std::move(lane));
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
	bool input_left = true;
	rivo::RenderProgress progress(opt._quiet);
	for (;;)
	{
		const long len = timeline.apply(done, block, plugin, programs);
		long n = input_left ? reader.read(file_in, len) : 0;
		if (n > 0)
		{
			map_to_pins(file_in, pins_in, n);
		}
		else if (tail_left > 0)
		{
			input_left = false;
			n = long(std::min<long long>(len, tail_left));
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
	if (timeline.has_events_from(done))
	{
		std::fprintf(stderr, "tarvelle-render: warning: program changes or automation points after the end (%.3f s) "
		                     "were not reached\n",
		             double(done) / rate);
	}
	if (writer.get_nbr_clipped() > 0)
	{
		std::fprintf(stderr, "tarvelle-render: warning: %lld samples of %s clipped at full scale (peak %+.1f dBFS)\n",
		             writer.get_nbr_clipped(), opt._output.c_str(), 20 * std::log10(double(writer.get_peak())));
	}
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
