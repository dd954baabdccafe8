// tarvelle-render end to end: files generated here go through the built tool
// and the built plug-in; every option, every failure and its exit status, and
// renders compared with the plug-in driven in this process.
#include "host/Vst2Interface.h"
#include "params/BankManager.h"
#include "params/KtpbFileOp.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sndfile.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <random>
#include <string>
#include <vector>

namespace
{

struct Audio
{
	int rate = 44100;
	int format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
	std::vector<std::vector<float>> chn;
	long frames() const
	{
		return chn.empty() ? 0 : long(chn[0].size());
	}
};

void write_audio(const std::string &path, const Audio &a)
{
	SF_INFO info{};
	info.channels = int(a.chn.size());
	info.samplerate = a.rate;
	info.format = a.format;
	SNDFILE *f = sf_open(path.c_str(), SFM_WRITE, &info);
	ASSERT_NE(f, nullptr) << sf_strerror(nullptr);
	std::vector<float> inter;
	for (long i = 0; i < a.frames(); ++i)
	{
		for (const auto &c : a.chn)
		{
			inter.push_back(c[size_t(i)]);
		}
	}
	sf_writef_float(f, inter.data(), a.frames());
	sf_close(f);
}

Audio read_audio(const std::string &path)
{
	SF_INFO info{};
	Audio a;
	SNDFILE *f = sf_open(path.c_str(), SFM_READ, &info);
	EXPECT_NE(f, nullptr) << path;
	if (f == nullptr)
	{
		return a;
	}
	std::vector<float> inter(size_t(info.frames * info.channels));
	sf_readf_float(f, inter.data(), info.frames);
	sf_close(f);
	a.rate = info.samplerate;
	a.format = info.format;
	a.chn.assign(size_t(info.channels), std::vector<float>(size_t(info.frames)));
	for (size_t i = 0; i < size_t(info.frames); ++i)
	{
		for (size_t c = 0; c < size_t(info.channels); ++c)
		{
			a.chn[c][i] = inter[i * size_t(info.channels) + c];
		}
	}
	return a;
}

// A second of a chord with a little noise, different on each channel.
Audio make_source(int nbr_chn)
{
	Audio a;
	std::mt19937 rng(7);
	std::uniform_real_distribution<float> noise(-0.02f, 0.02f);
	a.chn.assign(size_t(nbr_chn), std::vector<float>(size_t(a.rate)));
	for (int c = 0; c < nbr_chn; ++c)
	{
		for (size_t i = 0; i < size_t(a.rate); ++i)
		{
			const double t = double(i) / a.rate;
			a.chn[size_t(c)][i] = float(0.2 * std::sin(2 * M_PI * (220 + 55 * c) * t) +
			                            0.1 * std::sin(2 * M_PI * 330 * t)) + noise(rng);
		}
	}
	return a;
}

struct Result
{
	int status;
	std::string output;  // standard output and standard error together
};

Result run_cli(const std::string &args)
{
	const std::string cmd = std::string(RENDER_CLI) + " " + args + " 2>&1";
	FILE *p = popen(cmd.c_str(), "r");
	Result r{-1, ""};
	if (p == nullptr)
	{
		return r;
	}
	char buf[4096];
	size_t got = 0;
	while ((got = fread(buf, 1, sizeof(buf), p)) > 0)
	{
		r.output.append(buf, got);
	}
	const int st = pclose(p);
	r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
	return r;
}

class RenderCli : public testing::Test
{
protected:
	void SetUp() override
	{
		write_audio(path("in.wav"), make_source(2));
	}
	std::string path(const std::string &name) const
	{
		return folder.path(name);
	}
	// Runs with the input and output in the scratch folder.
	Result render(const std::string &opts, const std::string &out = "out.wav", const std::string &in = "in.wav")
	{
		return run_cli("--quiet " + opts + " " + path(in) + " " + path(out));
	}
	bool same(const std::string &a, const std::string &b) const
	{
		return read_audio(path(a)).chn == read_audio(path(b)).chn;
	}
	// A failure: its status, its one line naming the fault, and nothing new in the folder.
	void expect_failure(const Result &r, int status, const std::string &fragment)
	{
		EXPECT_EQ(r.status, status) << r.output;
		EXPECT_NE(r.output.find("tarvelle-render: "), std::string::npos) << r.output;
		EXPECT_NE(r.output.find(fragment), std::string::npos) << r.output;
		EXPECT_EQ(std::count(r.output.begin(), r.output.end(), '\n'), 1) << r.output;
		EXPECT_EQ(folder.list(), kept);
	}

	testsupport::TempFolder folder{"tarvelle-render-test"};
	std::vector<std::string> kept = {"in.wav"};  // what a failure leaves in the folder
};

// The plug-in in this process, with the host answers the tool gives: tempo
// valid, transport playing, all pins connected.
VstTimeInfo host_time{};

Audio render_in_process(const Audio &in, int program, int param, float nval, double tempo, int block)
{
	void *lib = dlopen(TARVELLE_SO, RTLD_NOW | RTLD_LOCAL);
	auto entry = reinterpret_cast<AEffect *(*)(audioMasterCallback)>(dlsym(lib, "VSTPluginMain"));
	AEffect *effect = entry([](AEffect *, VstInt32 opcode, VstInt32, VstIntPtr, void *, float) -> VstIntPtr {
		switch (opcode)
		{
		case audioMasterVersion: return 2400;
		case audioMasterGetTime: return reinterpret_cast<VstIntPtr>(&host_time);
		default: return 0;  // pins: 0 is connected
		}
	});
	host_time = VstTimeInfo{};
	host_time.sampleRate = in.rate;
	host_time.tempo = tempo;
	host_time.flags = kVstTempoValid | kVstTransportPlaying;
	effect->dispatcher(effect, effOpen, 0, 0, nullptr, 0);
	effect->dispatcher(effect, effSetProgram, 0, program, nullptr, 0);
	effect->setParameter(effect, param, nval);
	effect->dispatcher(effect, effSetSampleRate, 0, 0, nullptr, float(in.rate));
	effect->dispatcher(effect, effSetBlockSize, 0, block, nullptr, 0);
	effect->dispatcher(effect, effMainsChanged, 0, 1, nullptr, 0);
	Audio out;
	out.rate = in.rate;
	out.chn.assign(2, std::vector<float>(size_t(in.frames())));
	for (long pos = 0; pos < in.frames(); pos += block)
	{
		const int n = int(std::min<long>(block, in.frames() - pos));
		float *ins[2] = {const_cast<float *>(in.chn[0].data() + pos), const_cast<float *>(in.chn[1].data() + pos)};
		float *outs[2] = {out.chn[0].data() + pos, out.chn[1].data() + pos};
		effect->processReplacing(effect, ins, outs, n);
		host_time.samplePos += n;
	}
	effect->dispatcher(effect, effClose, 0, 0, nullptr, 0);
	dlclose(lib);
	return out;
}

}  // namespace

TEST_F(RenderCli, RendersWhatTheInProcessHostRenders)
{
	const Result r = render("--program 'Crazy reson' --param-norm 3=0.8 --tempo 100 --block 300");
	ASSERT_EQ(r.status, 0) << r.output;
	const Audio out = read_audio(path("out.wav"));
	EXPECT_EQ(out.format, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
	ASSERT_EQ(out.chn.size(), 2u);
	ASSERT_EQ(out.frames(), 44100);
	EXPECT_EQ(out.chn, render_in_process(read_audio(path("in.wav")), 31, 3, 0.8f, 100, 300).chn);
	EXPECT_EQ(folder.list(), (std::vector<std::string>{"in.wav", "out.wav"}));  // no temporary file left
}

TEST_F(RenderCli, ProgramsParametersAndTempoReachThePlugin)
{
	ASSERT_EQ(render("--program 31 --param-norm 3=0.8", "a.wav").status, 0);
	ASSERT_EQ(render("--program 'CRAZY RESON' --param 'tone x=+60'", "b.wav").status, 0);
	ASSERT_EQ(render("--program 31", "c.wav").status, 0);
	EXPECT_TRUE(same("a.wav", "b.wav"));
	EXPECT_FALSE(same("a.wav", "c.wav"));
	ASSERT_EQ(render("--program 'Fast, No Feedback, T1'", "d.wav").status, 0);
	ASSERT_EQ(render("--program 'Fast, No Feedback, T1' --tempo 90", "e.wav").status, 0);
	EXPECT_FALSE(same("d.wav", "e.wav"));
}

TEST_F(RenderCli, TailRingsOutAfterTheInput)
{
	ASSERT_EQ(render("--program 'Crazy reson' --tail 0.5").status, 0);
	const Audio out = read_audio(path("out.wav"));
	ASSERT_EQ(out.frames(), 44100 + 22050);
	double early = 0;
	for (size_t i = 44100; i < 44100 + 2205; ++i)
	{
		early = std::max(early, double(std::fabs(out.chn[0][i])));
	}
	EXPECT_GT(early, 1e-3);  // the feedback still rings
}

TEST_F(RenderCli, ChannelCountsMapOntoThePins)
{
	write_audio(path("mono.wav"), make_source(1));
	Audio dual = read_audio(path("mono.wav"));
	dual.chn.push_back(dual.chn[0]);
	write_audio(path("dual.wav"), dual);
	ASSERT_EQ(render("", "from_mono.wav", "mono.wav").status, 0);
	ASSERT_EQ(render("", "from_dual.wav", "dual.wav").status, 0);
	EXPECT_TRUE(same("from_mono.wav", "from_dual.wav"));

	// Four channels: 0 and 2 averaged on the left pin, 1 and 3 on the right.
	const Audio quad = make_source(4);
	write_audio(path("quad.wav"), quad);
	Audio avg = make_source(2);
	for (size_t c = 0; c < 2; ++c)
	{
		for (size_t i = 0; i < avg.chn[c].size(); ++i)
		{
			avg.chn[c][i] = (quad.chn[c][i] + quad.chn[c + 2][i]) / 2.0f;
		}
	}
	write_audio(path("avg.wav"), avg);
	ASSERT_EQ(render("", "from_quad.wav", "quad.wav").status, 0);
	ASSERT_EQ(render("", "from_avg.wav", "avg.wav").status, 0);
	EXPECT_EQ(read_audio(path("from_quad.wav")).chn.size(), 2u);
	EXPECT_TRUE(same("from_quad.wav", "from_avg.wav"));
}

TEST_F(RenderCli, OutputTypesAndSampleFormats)
{
	Audio pcm16 = make_source(2);
	pcm16.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
	write_audio(path("in16.wav"), pcm16);
	const struct
	{
		const char *opts, *out, *in;
		int format;
	} cases[] = {{"--keep-format", "kept.wav", "in16.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16},
	             {"", "float.wav", "in16.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT},
	             {"", "out.flac", "in.wav", SF_FORMAT_FLAC | SF_FORMAT_PCM_24},
	             {"", "out.aiff", "in.wav", SF_FORMAT_AIFF | SF_FORMAT_FLOAT}};
	for (const auto &c : cases)
	{
		ASSERT_EQ(render(c.opts, c.out, c.in).status, 0) << c.out;
		EXPECT_EQ(read_audio(path(c.out)).format, c.format) << c.out;
	}
	// The same render, whatever the file type: FLAC keeps 24 bits of it.
	const Audio flac = read_audio(path("out.flac"));
	const Audio ref = read_audio(path("out.aiff"));
	ASSERT_EQ(flac.frames(), ref.frames());
	double worst = 0;
	for (size_t i = 0; i < size_t(ref.frames()); ++i)
	{
		worst = std::max(worst, double(std::fabs(flac.chn[0][i] - ref.chn[0][i])));
	}
	EXPECT_LT(worst, 1.0 / (1 << 22));
}

TEST_F(RenderCli, ChunksRoundTripToTheSameRender)
{
	ASSERT_EQ(render("--program 12 --param-norm 'V 1 Fdbk Lvl=0.9' --save-chunk " + path("bank.chunk"), "a.wav").status, 0);
	ASSERT_EQ(render("--load-chunk " + path("bank.chunk"), "b.wav").status, 0);
	EXPECT_TRUE(same("a.wav", "b.wav"));
	ASSERT_EQ(render("--program 40 --save-program-chunk --save-chunk " + path("prog.chunk"), "c.wav").status, 0);
	ASSERT_EQ(render("--load-chunk " + path("prog.chunk"), "d.wav").status, 0);
	EXPECT_TRUE(same("c.wav", "d.wav"));
	EXPECT_FALSE(same("a.wav", "c.wav"));
}

TEST_F(RenderCli, ListsProgramsAndParameters)
{
	const Result progs = run_cli("--list-programs");
	ASSERT_EQ(progs.status, 0);
	EXPECT_EQ(std::count(progs.output.begin(), progs.output.end(), '\n'), 96);
	EXPECT_EQ(progs.output.rfind("0\tSlow, No Feedback, T1\n", 0), 0u);
	EXPECT_NE(progs.output.find("\n95\tvoice ghoster 8\n"), std::string::npos);

	const Result params = run_cli("--program Glorg --param 'V 1 Gain=-oo' --list-params");
	ASSERT_EQ(params.status, 0);
	EXPECT_EQ(std::count(params.output.begin(), params.output.end(), '\n'), 123);
	EXPECT_NE(params.output.find("\n11\tV 1 Gain\t-oo\tdB\n"), std::string::npos) << params.output;
	EXPECT_NE(params.output.find("\n18\tV 1 Period\t1/64\tbeat\n"), std::string::npos) << params.output;
}

TEST_F(RenderCli, ProgressGoesToStandardErrorUnlessQuiet)
{
	const Result r = run_cli(path("in.wav") + " " + path("out.wav"));
	ASSERT_EQ(r.status, 0);
	EXPECT_EQ(r.output.rfind("0%\n10%\n", 0), 0u) << r.output;  // a pipe, not a terminal: plain lines
	EXPECT_NE(r.output.find("100%\nwrote "), std::string::npos) << r.output;
	EXPECT_EQ(render("").output, "");
}

TEST_F(RenderCli, RateIsTheInputsNeverAResample)
{
	EXPECT_EQ(render("--rate 44100").status, 0);
	kept = folder.list();
	expect_failure(render("--rate 48000"), 6, "resampling");
}

TEST_F(RenderCli, FaultsOfTheCommandLine)
{
	expect_failure(render("--frobnicate"), 2, "unknown option --frobnicate");
	expect_failure(run_cli(path("in.wav")), 2, "give an INPUT and an OUTPUT");
	expect_failure(run_cli("--quiet " + path("in.wav") + " --tempo"), 2, "--tempo needs a value");
	expect_failure(render("", "out.mp9"), 2, "unknown output type");
	expect_failure(render("--param 3"), 2, "--param takes NAME=VALUE");
	expect_failure(render("--automate 'Tone X=1:50,0.5'"), 2, "--automate takes NAME=SECONDS:VALUE");
	expect_failure(render("--program-at Glorg"), 2, "--program-at takes SECONDS:PROGRAM");
}

TEST_F(RenderCli, FaultsOfValuesAndNames)
{
	expect_failure(render("--param-norm 3=1.5"), 6, "--param-norm 3 takes a number from 0 to 1");
	expect_failure(render("--param 'Master Vol=loud'"), 6, "Master Vol: the plug-in does not read 'loud' as a value");
	expect_failure(render("--automate 'Tone X=1:50,0.5:60'"), 6, "the times must not go back");
	expect_failure(render("--tempo fast"), 6, "--tempo takes a number");
	expect_failure(render("--block 0"), 6, "--block takes a number from 1 to 8192");
	expect_failure(render("--tail -1"), 6, "--tail");
	expect_failure(render("--program 96"), 5, "no program 96: there are 96");
	expect_failure(render("--program 'Glorgg'"), 5, "no program named 'Glorgg'; closest: 'Glorg'");
	expect_failure(render("--param 'V 1 Manual Phase LFO perod=1'"), 5,
	               "no parameter named 'V 1 Manual Phase LFO perod'; closest: 'V 1 Manual Phase LFO period'");
	expect_failure(render("--param-norm 123=0.5"), 5, "no parameter 123");
}

TEST_F(RenderCli, FaultsOfFilesAndPlugins)
{
	std::ofstream(path("text.wav")) << "not audio at all";
	std::ofstream(path("bad.chunk")) << "garbage that no plug-in takes";
	kept = folder.list();
	expect_failure(render("", "out.wav", "missing.wav"), 3, "cannot read");
	expect_failure(render("", "out.wav", "text.wav"), 3, "cannot read");
	expect_failure(render("--plugin /nonexistent/plugin.so"), 4, "cannot load the plug-in");
	expect_failure(render(std::string("--plugin ") + NOT_A_PLUGIN), 4, "is not a VST 2 plug-in");
	expect_failure(run_cli("--quiet " + path("in.wav") + " /nonexistent/dir/out.wav"), 7, "cannot write");
	expect_failure(render("--load-chunk " + path("none.chunk")), 8, "cannot read the chunk file");
	expect_failure(render("--load-chunk " + path("bad.chunk")), 8, "does not take the chunk");
}

// Values in the units the plug-in shows: every parameter's display text of one
// program, given back onto another program, gives that program's listing.
TEST_F(RenderCli, EveryParameterTakesWhatItsDisplayPrints)
{
	const Result glorg = run_cli("--program 'voice ghoster 3' --param 'V 1 Pan LFO WF=ramp down' --param 'V 2 BPF Q=Off' "
	                             "--param 'Master Vol=-6' --param 'V 1 Pan=L 40' --param 'v 3 depth=mad cow' --list-params");
	ASSERT_EQ(glorg.status, 0) << glorg.output;
	std::string opts = "--program 0";
	std::istringstream lines(glorg.output);
	std::string line;
	while (std::getline(lines, line))
	{
		const size_t t1 = line.find('\t'), t2 = line.find('\t', t1 + 1), t3 = line.find('\t', t2 + 1);
		opts += " --param '" + line.substr(t1 + 1, t2 - t1 - 1) + "=" + line.substr(t2 + 1, t3 - t2 - 1) + "'";
	}
	const Result back = run_cli(opts + " --list-params");
	ASSERT_EQ(back.status, 0) << back.output;
	EXPECT_EQ(back.output, glorg.output);
	for (const char *shown : {"\t-6.0\tdB\n", "\tL 40\t%\n", "\tRamp down\t\n", "\tOff\t\n", "\tMad Cow\t\n"})
	{
		EXPECT_NE(glorg.output.find(shown), std::string::npos) << shown;
	}
	// The host's names are cut to 22 characters: the cut and the full name are the same parameter.
	const Result full = run_cli("--param 'V 1 Manual Phase LFO period=1/2' --list-params");
	const Result cut = run_cli("--param 'v 1 manual phase lfo p=1/2' --list-params");
	EXPECT_EQ(full.output, cut.output);
	EXPECT_NE(full.output.find("\n23\tV 1 Manual Phase LFO period\t1/2\tbeat\n"), std::string::npos) << full.output;
}

// Through a plug-in whose output is its parameter and its program: ramps pass
// through their points on the very sample, and programs change on theirs.
TEST_F(RenderCli, AutomationAndProgramChangesLandOnTheirSamples)
{
	Audio in;
	in.chn.assign(2, std::vector<float>(3 * 44100, 0.0f));
	write_audio(path("in.wav"), in);
	const std::string probe = std::string("--plugin ") + PROBE_PLUGIN;
	ASSERT_EQ(render(probe + " --automate 'Level=0.5:20,1.5:80,2:80' --program-at 0.25:Second --program-at 1:2").status, 0);
	ASSERT_EQ(render(probe + " --automate-norm 'level=0.5:0.2,1.5:0.8,2:0.8' --block 1000", "norm.wav").status, 0);
	for (const char *name : {"out.wav", "norm.wav"})
	{
		SCOPED_TRACE(name);
		const Audio out = read_audio(path(name));
		ASSERT_EQ(out.frames(), 3 * 44100);
		const auto &level = out.chn[0];
		EXPECT_EQ(level[22049], 0.0f);  // untouched before the first point
		EXPECT_FLOAT_EQ(level[22050], 0.2f);
		EXPECT_NEAR(level[44100], 0.5f, 0.6f / 44100 * 64);  // half way, within one ramp step
		EXPECT_FLOAT_EQ(level[66150], 0.8f);
		EXPECT_FLOAT_EQ(level[3 * 44100 - 1], 0.8f);
		for (size_t i = 22051; i < 66150; ++i)
		{
			ASSERT_GE(level[i], level[i - 1]) << i;
		}
	}
	const Audio out = read_audio(path("out.wav"));
	const auto &program = out.chn[1];
	EXPECT_EQ(program[11024], 0.0f);
	EXPECT_EQ(program[11025], 1.0f);
	EXPECT_EQ(program[44099], 1.0f);
	EXPECT_EQ(program[44100], 2.0f);

	// A value held by automation stays after a program change; events past the end are reported.
	const Result held = render(probe + " --automate-norm 'Level=0:0.5' --program-at 1:1 --program-at 5:2", "held.wav");
	ASSERT_EQ(held.status, 0);
	EXPECT_NE(held.output.find("after the end (3.000 s) were not reached"), std::string::npos) << held.output;
	EXPECT_EQ(read_audio(path("held.wav")).chn[0][2 * 44100], 0.5f);
}

// A preset bank file as the editor saves it: its programs are listed and
// chosen by name; a damaged one is refused with its code.
TEST_F(RenderCli, BankFilesLoadAndTheirProgramsAreChosen)
{
	ASSERT_EQ(run_cli("--program 0 --save-chunk " + path("p.chunk") + " --save-program-chunk " + path("in.wav") + " " +
	                  path("x.wav")).status,
	          0);
	std::ifstream chunk_in(path("p.chunk"), std::ios::binary);
	const std::vector<unsigned char> image((std::istreambuf_iterator<char>(chunk_in)), std::istreambuf_iterator<char>());
	rivo::BankManager bank(3);
	for (int i = 0; i < 3; ++i)
	{
		ASSERT_EQ(bank[i].read_from_memory(image.data(), long(image.size())), 0);
		bank[i].set_name("Memory " + std::to_string(i + 1));
	}
	bank[1].set_parameter(1, 0.25f);  // Master Vol: 10 (1000^0.25 - 1) / 999, -26.7 dB
	ASSERT_EQ(rivo::KtpbFileOp::save_bank(path("mem.pbk").c_str(), bank), 0);

	const Result listed = run_cli("--bank " + path("mem.pbk") + " --list-programs");
	EXPECT_EQ(listed.output, "0\tMemory 1\n1\tMemory 2\n2\tMemory 3\n");
	const Result chosen = run_cli("--bank " + path("mem.pbk") + " --program 'memory 2' --list-params");
	ASSERT_EQ(chosen.status, 0) << chosen.output;
	EXPECT_NE(chosen.output.find("\n1\tMaster Vol\t-26.7\tdB\n"), std::string::npos) << chosen.output;

	std::ifstream pbk_in(path("mem.pbk"), std::ios::binary);
	std::string bytes((std::istreambuf_iterator<char>(pbk_in)), std::istreambuf_iterator<char>());
	std::ofstream(path("cut.pbk"), std::ios::binary) << bytes.substr(0, bytes.size() - 100);
	kept = folder.list();
	expect_failure(render("--bank " + path("cut.pbk")), 8, "(code -1009)");
}

// The output is never the input, however its path is written.
TEST_F(RenderCli, TheInputIsNeverOverwritten)
{
	const Audio before = read_audio(path("in.wav"));
	ASSERT_EQ(symlink(path("in.wav").c_str(), path("link.wav").c_str()), 0);
	kept = folder.list();
	expect_failure(render("", "in.wav"), 7, "is the input file");
	expect_failure(render("", "link.wav"), 7, "is the input file");
	expect_failure(render("--save-chunk " + path("link.wav")), 7, "is the input or the output file");
	expect_failure(render("--save-chunk " + path("out.wav")), 7, "is the input or the output file");
	expect_failure(render("", "./../" + folder.get_path().substr(folder.get_path().rfind('/') + 1) + "/in.wav"), 7,
	               "is the input file");
	EXPECT_EQ(read_audio(path("in.wav")).chn, before.chn);
}

// Integer outputs saturate: the samples beyond full scale are counted once.
TEST_F(RenderCli, ClippingIntoIntegersIsReported)
{
	Audio in = make_source(2);
	in.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
	write_audio(path("in16.wav"), in);
	const Result loud = render("--param 'Master Vol=+20' --keep-format", "out16.wav", "in16.wav");
	ASSERT_EQ(loud.status, 0) << loud.output;
	const size_t at = loud.output.find("warning: ");
	ASSERT_NE(at, std::string::npos) << loud.output;
	EXPECT_NE(loud.output.find("clipped at full scale (peak +", at), std::string::npos) << loud.output;
	EXPECT_EQ(loud.output.find("warning: ", at + 1), std::string::npos);  // once
	const long long counted = std::stoll(loud.output.substr(at + 9));
	const Audio f = [&] {
		render("--param 'Master Vol=+20'", "float.wav", "in16.wav");
		return read_audio(path("float.wav"));
	}();
	long long beyond = 0;
	for (const auto &c : f.chn)
	{
		beyond += std::count_if(c.begin(), c.end(), [](float x) { return std::fabs(x) > 1.0f; });
	}
	EXPECT_EQ(counted, beyond);
	EXPECT_GT(beyond, 0);
	EXPECT_EQ(render("", "quiet16.wav", "in16.wav").output.find("warning"), std::string::npos);
}
