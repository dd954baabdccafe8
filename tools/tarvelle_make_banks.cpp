// Builds the plug-in's two bank resources from the factory program texts:
//   tarvelle-make-banks FACTORY_TXT MEMORIES_TXT STATIC_PBK DEFAULT_PBK
// A factory text holds one block per program: "[name]", then lines
// "parameter name = value" in display units, only for what differs from the
// default state. Values are read by the parameters' own parsers. The memories
// text lists the eight memory names, each a factory program copied as it is.
// Any fault stops the build with file, line and reason.
#include "engine/TarvelleDsp.h"
#include "params/KtpbFileOp.h"
#include "sys/basic_fnc.h"

#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{

// The program names in bank order.
const char *const STATIC_NAMES[] = {
   "Slow, No Feedback, T1", "Slow, Feedback, T1", "Slow, No Feedback, T2", "Slow, Feedback, T3",
   "Fast, No Feedback, T1", "Fast, Feedback, T1", "Fast, Feedback, T2", "Fast, Feedback, T3",
   "Circular Celluloid", "Circular Celluloid Simple", "Circular Celluloid Fast", "Circular Celluloid Static",
   "Hold And Oscillate (Slow)", "Hold And Oscillate (Med)", "Hold And Oscillate (Fast)",
   "Hold And Oscillate (Extreme)", "cosmic padder", "pleasant lover", "bouncing pad", "bubbling insane",
   "moving shadows", "complicated son", "spectral ghost", "glass of bones", "Yellow snow", "Third rythm",
   "Pizzicato", "Earthquake", "Crying nerd", "Chaotic paints", "High chaos", "Crazy reson", "Hidin egg",
   "Spit in da soup", "Rhumathisme", "Ant walk", "Sadistic", "Magic van", "Hazardous", "Panic on the beach",
   "Random Periods", "Triggering Crazyness", "Souvent Femme Avarie", "Sables mouvants",
   "Random Periods Revisited", "Random Periods Special", "Mad Cow Decease", "Doctor Moreau's Experiment",
   "rythm shifter 1", "rythm shifter 2", "rythm shifter 3", "rythm shifter 4", "rythm shifter 5",
   "rythm shifter 6", "rythm shifter 7", "rythm shifter 8", "Ketchup Chicken", "Resonate And Run",
   "Tonal Agressivity", "Mexico Sun", "Band Password", "Black Hole", "Weird Vibrator", "Wobbling Vibrator",
   "Glorg", "Gringo Modulation", "Underground Underdog", "Chipster", "Scourging", "Enhanced Scourging",
   "Perforator", "Bonaparte", "pacific wave", "square sea", "randomized water", "distorted reality",
   "diving with sharks", "moving water", "dolphins in the wood", "paranoid fish", "Lover Swap", "Sanction",
   "Looking At Changing Colors", "Overdriven Rambo", "Frozen Leg", "Meditation", "Brainquake",
   "Desert Wind Sculptures", "voice ghoster 1", "voice ghoster 2", "voice ghoster 3", "voice ghoster 4",
   "voice ghoster 5", "voice ghoster 6", "voice ghoster 7", "voice ghoster 8"};
const char *const MEMORY_NAMES[] = {"Slow, No Feedback, T1", "Fast, Feedback, T3", "Circular Celluloid Fast",
                                    "Lover Swap",            "Random Periods Revisited", "Glorg",
                                    "Third rythm",           "Rhumathisme"};

struct Fault : std::runtime_error
{
	Fault(const std::string &file, int line, const std::string &why)
	: std::runtime_error(file + ":" + std::to_string(line) + ": " + why)
	{
	}
};

std::string trim(const std::string &s)
{
	const size_t a = s.find_first_not_of(" \t\r");
	const size_t b = s.find_last_not_of(" \t\r");
	return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

// Calls fn(line number, text) for every line that holds more than blanks and
// a comment; returns the number of lines read.
int for_each_text_line(const std::string &file, const std::function<void(int, const std::string &)> &fn)
{
	std::ifstream in(file);
	if (!in)
	{
		throw Fault(file, 0, "cannot open");
	}
	std::string raw;
	int line = 0;
	while (std::getline(in, raw))
	{
		++line;
		const std::string text = trim(raw.substr(0, raw.find('#')));
		if (!text.empty())
		{
			fn(line, text);
		}
	}
	return line;
}

class Engine
{
public:
	Engine()
	{
		_dsp.init();
		_dsp.set_sample_freq(48000);
		_dsp.set_default_state();
		_dsp.do_get_program(_default);
		for (int i = 0; i < _dsp.get_nbr_param(); ++i)
		{
			char name[128];
			_dsp.get_param_ref(i)->get_name(name, sizeof(name));
			_index[basic::to_lcase(name)] = i;
		}
	}
	const rivo::ProgramSlot &use_default() const
	{
		return _default;
	}
	// The parameter's index, and the normalised value of a text through the
	// parameter's own parser; a named choice that has no parser is matched
	// against its own display texts.
	float parse(const std::string &file, int line, const std::string &name, const std::string &value, int &index)
	{
		const auto it = _index.find(basic::to_lcase(name));
		if (it == _index.end())
		{
			throw Fault(file, line, "unknown parameter '" + name + "'");
		}
		index = it->second;
		const auto &p = _dsp.get_param_ref(index);
		bool ok = false;
		const double v = p->do_scan_val(value.c_str(), ok);
		if (ok)
		{
			return p->normalize_val(v);
		}
		if (p->get_range_type() == rivo::NormalizedParamInterface::RangeType_INTEGER)
		{
			const int lo = int(p->denormalize_val(0));
			const int hi = int(p->denormalize_val(1));
			for (int k = lo; k <= hi; ++k)
			{
				char txt[64];
				p->do_print_val(txt, sizeof(txt), k);
				if (basic::strcmp_ci(txt, value.c_str()))
				{
					return p->normalize_val(k);
				}
			}
		}
		throw Fault(file, line, "cannot read '" + value + "' as a value of '" + name + "'");
	}

private:
	TarvelleDsp _dsp;
	rivo::ProgramSlot _default;
	std::map<std::string, int> _index;
};

std::vector<rivo::ProgramSlot> read_factory(const std::string &file, Engine &engine)
{
	std::map<std::string, size_t> order;
	for (size_t i = 0; i < sizeof(STATIC_NAMES) / sizeof(STATIC_NAMES[0]); ++i)
	{
		order[STATIC_NAMES[i]] = i;
	}
	std::vector<rivo::ProgramSlot> bank(order.size());
	std::vector<bool> seen(order.size(), false);
	rivo::ProgramSlot *cur_ptr = nullptr;
	std::set<int> set_here;
	const int nbr_lines = for_each_text_line(file, [&](int line, const std::string &text) {
		if (text.front() == '[')
		{
			if (text.back() != ']')
			{
				throw Fault(file, line, "a program name goes between [ and ]");
			}
			const std::string name = text.substr(1, text.size() - 2);
			const auto it = order.find(name);
			if (it == order.end())
			{
				throw Fault(file, line, "'" + name + "' is not a factory program name");
			}
			if (seen[it->second])
			{
				throw Fault(file, line, "program '" + name + "' given twice");
			}
			seen[it->second] = true;
			cur_ptr = &bank[it->second];
			*cur_ptr = engine.use_default();
			cur_ptr->set_name(name);
			set_here.clear();
			return;
		}
		const size_t eq = text.find('=');
		if (eq == std::string::npos)
		{
			throw Fault(file, line, "expected 'parameter = value'");
		}
		if (cur_ptr == nullptr)
		{
			throw Fault(file, line, "a value before the first [program name]");
		}
		const std::string name = trim(text.substr(0, eq));
		int index = -1;
		const float nval = engine.parse(file, line, name, trim(text.substr(eq + 1)), index);
		if (!set_here.insert(index).second)
		{
			throw Fault(file, line, "parameter '" + name + "' given twice in this program");
		}
		cur_ptr->set_parameter(index, nval);
	});
	for (size_t i = 0; i < seen.size(); ++i)
	{
		if (!seen[i])
		{
			throw Fault(file, nbr_lines, std::string("program '") + STATIC_NAMES[i] + "' is missing");
		}
	}
	return bank;
}

std::vector<std::string> read_memories(const std::string &file)
{
	std::vector<std::string> names;
	const int nbr_lines = for_each_text_line(file, [&](int line, const std::string &text) {
		const size_t k = names.size();
		if (k >= 8 || text != MEMORY_NAMES[k])
		{
			throw Fault(file, line, "memory " + std::to_string(k + 1) + " must be '" +
			                           (k < 8 ? MEMORY_NAMES[k] : "(only eight memories)") + "'");
		}
		names.push_back(text);
	});
	if (names.size() != 8)
	{
		throw Fault(file, nbr_lines, "eight memories expected");
	}
	return names;
}

void save(const std::string &path, const std::vector<rivo::ProgramSlot> &programs)
{
	rivo::BankManager bank(int(programs.size()));
	for (size_t i = 0; i < programs.size(); ++i)
	{
		bank.store(int(i), programs[i]);
	}
	const int ret = rivo::KtpbFileOp::save_bank(path.c_str(), bank);
	if (ret != 0)
	{
		throw Fault(path, 0, std::string(rivo::KtpbFileOp::get_err_txt(ret)) + " (code " + std::to_string(ret) + ")");
	}
}

}  // namespace

int main(int argc, char **argv)
{
	if (argc != 5)
	{
		std::fprintf(stderr, "usage: tarvelle-make-banks FACTORY_TXT MEMORIES_TXT STATIC_PBK DEFAULT_PBK\n");
		return 2;
	}
	try
	{
		Engine engine;
		const std::vector<rivo::ProgramSlot> factory = read_factory(argv[1], engine);
		std::vector<rivo::ProgramSlot> memories;
		for (const std::string &name : read_memories(argv[2]))
		{
			for (const rivo::ProgramSlot &slot : factory)
			{
				if (slot.get_name() == name)
				{
					memories.push_back(slot);
				}
			}
		}
		save(argv[3], factory);
		save(argv[4], memories);
	}
	catch (const std::exception &e)
	{
		std::fprintf(stderr, "tarvelle-make-banks: %s\n", e.what());
		return 1;
	}
	return 0;
}
