// What hosts do that the plug-in must survive: damaged chunks, no sample rate
// or an unusual one, automation from the audio thread while programs and
// chunks change elsewhere, and a host going away around the plug-in.
#include "support/Spectrum.h"
#include "support/VstTestHost.h"

#include <thread>

using namespace testsupport;

namespace
{

constexpr size_t SLOT_SIZE = 584;  // 12 header bytes, a 64-byte name, 123 values, 16 extra bytes
constexpr size_t BANK_HEADER = 8;

float read_be_float(const unsigned char *p)
{
	const std::uint32_t bits =
	   (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | std::uint32_t(p[3]);
	float v;
	std::memcpy(&v, &bits, sizeof(v));
	return v;
}

class HostBoundary : public VstHost
{
protected:
	VstIntPtr set_chunk(std::vector<unsigned char> data, bool program)
	{
		data.push_back(0);  // a valid pointer even for an empty chunk
		return dispatch(effSetChunk, program ? 1 : 0, VstIntPtr(data.size() - 1), data.data());
	}
	// Whatever setChunk answered: the state comes out again and is taken back
	// as it is; a refused chunk left it byte for byte as it was.
	void check_round_trip(const std::vector<unsigned char> &given, bool program)
	{
		const std::vector<unsigned char> before = chunk(program);
		const VstIntPtr taken = set_chunk(given, program);
		const std::vector<unsigned char> after = chunk(program);
		ASSERT_FALSE(after.empty());
		if (taken == 0)
		{
			ASSERT_EQ(after, before) << "a refused chunk changed the state";
		}
		ASSERT_EQ(set_chunk(after, program), 1) << "the plug-in refuses its own state";
		ASSERT_EQ(chunk(program), after);
	}
	void set_text(VstInt32 index, const char *text_0)
	{
		std::string t(text_0);
		ASSERT_EQ(dispatch(effString2Parameter, index, 0, t.data()), 1) << index << " " << text_0;
	}
	void give_rate(float fs, bool with_block_size)
	{
		dispatch(effMainsChanged, 0, 0);
		if (with_block_size)
		{
			dispatch(effSetBlockSizeAndSampleRate, 0, 512, nullptr, fs);
		}
		else
		{
			dispatch(effSetSampleRate, 0, 0, nullptr, fs);
		}
		dispatch(effMainsChanged, 0, 1);
	}
	// Renders a stereo input in 512-sample blocks.
	void render2(const std::vector<float> &in, std::vector<float> &l, std::vector<float> &r)
	{
		l.assign(in.size(), 0.0f);
		r.assign(in.size(), 0.0f);
		for (size_t pos = 0; pos < in.size(); pos += 512)
		{
			const VstInt32 n = VstInt32(std::min(in.size() - pos, size_t(512)));
			float *ins[2] = {const_cast<float *>(in.data() + pos), const_cast<float *>(in.data() + pos)};
			float *outs[2] = {l.data() + pos, r.data() + pos};
			effect->processReplacing(effect, ins, outs, n);
		}
	}
};

}  // namespace

// A bank whose slot 3 has the right size but another layout (an 80-byte name
// field, no extra bytes), and 2000 chunks damaged mostly in the bank and slot
// headers: none may leave the plug-in unable to give its state back.
TEST_F(HostBoundary, ChunksTakenAlwaysComeBackOut)
{
	const std::vector<unsigned char> bank = chunk(false);
	const std::vector<unsigned char> prog = chunk(true);
	ASSERT_EQ(bank.size(), BANK_HEADER + 96 * SLOT_SIZE);

	std::vector<unsigned char> other_layout = bank;
	unsigned char *slot3 = other_layout.data() + BANK_HEADER + 3 * SLOT_SIZE;
	slot3[5] = 80;                                         // name field length
	std::memset(slot3 + 8, 0, 4);                          // no extra bytes
	std::memmove(slot3 + 12 + 80, slot3 + 12 + 64, 4 * 123);  // values after the longer name
	check_round_trip(other_layout, false);
	std::vector<unsigned char> other_prog(prog.begin(), prog.end());
	other_prog[5] = 80;
	std::memset(other_prog.data() + 8, 0, 4);
	check_round_trip(other_prog, true);

	std::mt19937 rng(2024);
	for (int iter = 0; iter < 2000; ++iter)
	{
		const bool program = (iter % 2) != 0;
		std::vector<unsigned char> data = program ? prog : bank;
		const int nbr_edit = 1 + int(rng() % 3);
		for (int e = 0; e < nbr_edit; ++e)
		{
			size_t pos;
			const unsigned where = rng() % 10;
			if (!program && where < 3)
			{
				pos = rng() % BANK_HEADER;
			}
			else
			{
				const size_t slot_base = program ? 0 : BANK_HEADER + (rng() % 96) * SLOT_SIZE;
				pos = slot_base + (where < 8 ? rng() % 12 : rng() % SLOT_SIZE);
			}
			data[pos] = (rng() % 4 == 0) ? static_cast<unsigned char>(rng()) : data[pos] ^ (1u << (rng() % 8));
		}
		check_round_trip(data, program);
		if (HasFatalFailure())
		{
			FAIL() << "iteration " << iter;
		}
	}
}

// Before any sample rate the plug-in runs at 44.1 kHz: every sample written,
// finite, and the same as when the host gives that rate.
TEST_F(HostBoundary, ProcessingBeforeASampleRateWritesEverySample)
{
	AEffect *fresh = entry(&host_callback);
	ASSERT_NE(fresh, nullptr);
	fresh->dispatcher(fresh, effOpen, 0, 0, nullptr, 0);
	fresh->dispatcher(fresh, effMainsChanged, 0, 1, nullptr, 0);
	dispatch(effMainsChanged, 0, 0);
	dispatch(effSetSampleRate, 0, 0, nullptr, 44100);
	dispatch(effMainsChanged, 0, 1);

	const std::vector<float> in = noise(4096, 3);
	std::vector<float> l(in.size(), std::nanf("")), r(in.size(), std::nanf(""));
	std::vector<float> l_ref, r_ref;
	float *ins[2] = {const_cast<float *>(in.data()), const_cast<float *>(in.data())};
	float *outs[2] = {l.data(), r.data()};
	fresh->processReplacing(fresh, ins, outs, VstInt32(in.size()));
	render2(in, l_ref, r_ref);
	for (size_t i = 0; i < in.size(); ++i)
	{
		ASSERT_EQ(l[i], l_ref[i]) << i;
		ASSERT_EQ(r[i], r_ref[i]) << i;
	}
	EXPECT_EQ(fresh->dispatcher(fresh, effClose, 0, 0, nullptr, 0), 1);
}

// The frequency shift, an LFO's period and the band filter's centre measured
// at every rate a host may run, the rate given by either opcode that carries
// one: all land where the parameters put them.
TEST_F(HostBoundary, EverySampleRateSoundsTheSame)
{
	set_text(1, "0");          // Master Vol
	set_text(2, "oo");         // Colored Vol: no dry signal
	set_text(11, "0");         // V 1 Gain
	set_text(16, "Mad Cow");   // V 1 Depth
	effect->setParameter(effect, 18, 0.0f);  // V 1 Period: 1/256 beat, 512 Hz at 120 BPM
	const struct
	{
		float fs;
		bool opcode_43;
	} rates[] = {{8000, false}, {22050, true}, {32000, false}, {44100, true}, {96000, false}, {192000, true}};
	for (const auto &rate : rates)
	{
		SCOPED_TRACE(rate.fs);
		const double fs = rate.fs;
		give_rate(rate.fs, rate.opcode_43);
		set_text(17, "Off");  // V 1 Osc Hold
		set_text(38, "Off");  // V 1 BPF Q
		set_text(15, "0");    // V 1 Pan LFO depth

		// A 1 kHz sine comes out shifted by 512 Hz, up on the left, down on the right.
		std::vector<float> l, r;
		render2(make_sine(long(1.5 * fs), 2 * PI * 1000 / fs, 0.1), l, r);
		const long start = long(0.5 * fs), len = long(fs);
		EXPECT_EQ(dft_peak(l, start, len, fs, 300, 1700, 2), 1512);
		EXPECT_EQ(dft_peak(r, start, len, fs, 300, 1700, 2), 488);

		// The oscillator held, the band filter at 1 kHz: the impulse response's
		// spectrum peaks there.
		set_text(17, "On");
		set_text(34, "1000");
		set_text(38, "4");
		render2(std::vector<float>(size_t(fs), 0.0f), l, r);  // let the glides end
		std::vector<float> impulse(size_t(fs / 2), 0.0f);
		impulse[0] = 0.05f;
		render2(impulse, l, r);
		EXPECT_NEAR(dft_peak(l, 0, long(impulse.size()), fs, 500, 2000, 5), 1000, 10);

		// The pan swung by a square LFO of one beat (0.5 s at 120 BPM): the
		// balance of the two channels flips at that period.
		set_text(38, "Off");
		effect->setParameter(effect, 13, 6.0f / 14);  // V 1 Pan LFO period: 1 beat
		effect->setParameter(effect, 14, 2.0f / 9);   // Square
		set_text(15, "100");
		render2(make_sine(long(4.5 * fs), 2 * PI * 1000 / fs, 0.1), l, r);
		const long win = long(fs / 200);
		std::vector<double> balance;
		for (long w = long(0.5 * fs); w + win <= long(l.size()); w += win)
		{
			double el = 0, er = 0;
			for (long i = w; i < w + win; ++i)
			{
				el += double(l[size_t(i)]) * l[size_t(i)];
				er += double(r[size_t(i)]) * r[size_t(i)];
			}
			balance.push_back(el - er);
		}
		const auto mm = std::minmax_element(balance.begin(), balance.end());
		const double mid = (*mm.first + *mm.second) / 2;
		std::vector<size_t> rising;
		for (size_t i = 1; i < balance.size(); ++i)
		{
			if (balance[i - 1] < mid && balance[i] >= mid)
			{
				rising.push_back(i);
			}
		}
		ASSERT_GE(rising.size(), 5u);
		const double period = double(rising.back() - rising.front()) * double(win) / fs / double(rising.size() - 1);
		EXPECT_NEAR(period, 0.5, 0.01);
	}
}

// Suspend and close make no call to the host: some hosts tear a plug-in down
// after their own session is gone, and a callback then crashes them.
TEST_F(HostBoundary, SuspendAndCloseNeverCallTheHost)
{
	render(noise(2048, 5), 512);
	watched_calls = 0;
	watch_calls = true;
	dispatch(effMainsChanged, 0, 0);
	EXPECT_EQ(dispatch(effClose), 1);
	effect = nullptr;
	watch_calls = false;
	EXPECT_EQ(watched_calls.load(), 0);
}

// Host automation from the audio thread between blocks, while another thread
// saves and restores chunks, changes programs and renames them: every chunk
// obtained decodes, and each value in it is one that was actually written
// (stored in some program, or set by the automation). Run under
// ThreadSanitizer, the same test shows any value shared without ordering.
TEST_F(HostBoundary, AutomationRacesChunksAndProgramChanges)
{
	const std::vector<unsigned char> bank0 = chunk(false);
	std::vector<std::vector<float>> allowed(123);
	for (size_t s = 0; s < 96; ++s)
	{
		for (size_t i = 0; i < 123; ++i)
		{
			allowed[i].push_back(read_be_float(bank0.data() + BANK_HEADER + s * SLOT_SIZE + 76 + 4 * i));
		}
	}
	// The automation writes only values of its own grid, never Tempo (the host gives it).
	auto automation_value = [](unsigned k) { return float(k % 4096 + 1) / 4098.0f; };
	auto is_allowed = [&](size_t i, float v) {
		const float k = v * 4098.0f - 1;
		const bool on_grid = k >= 0 && k < 4096 && automation_value(unsigned(std::lround(k))) == v;
		return (i > 0 && on_grid) || std::find(allowed[i].begin(), allowed[i].end(), v) != allowed[i].end();
	};

	std::atomic<bool> stop{false};
	std::thread audio([&] {
		const std::vector<float> in = noise(256, 9);
		std::vector<float> l(256), r(256);
		float *ins[2] = {const_cast<float *>(in.data()), const_cast<float *>(in.data())};
		float *outs[2] = {l.data(), r.data()};
		std::mt19937 rng(3);
		while (!stop)
		{
			effect->processReplacing(effect, ins, outs, 256);
			for (int k = 0; k < 4; ++k)
			{
				effect->setParameter(effect, VstInt32(1 + rng() % 122), automation_value(rng()));
			}
		}
	});
	std::mt19937 rng(17);
	int nbr_checked = 0;
	for (int iter = 0; iter < 400; ++iter)
	{
		switch (iter % 4)
		{
		case 0: dispatch(effSetProgram, 0, VstIntPtr(rng() % 96)); break;
		case 1:
		{
			char name[] = "Renamed while playing";
			dispatch(effSetProgramName, 0, 0, name);
			break;
		}
		case 2: set_chunk(chunk(true), true); break;
		default:
			dispatch(effMainsChanged, 0, 0);
			dispatch(effMainsChanged, 0, 1);
			text(effGetParamDisplay, VstInt32(rng() % 123), 23);
			break;
		}
		const std::vector<unsigned char> got = chunk(false);
		ASSERT_EQ(got.size(), bank0.size());
		ASSERT_EQ(std::memcmp(got.data(), bank0.data(), BANK_HEADER), 0);
		for (size_t s = 0; s < 96; ++s)
		{
			const unsigned char *slot = got.data() + BANK_HEADER + s * SLOT_SIZE;
			ASSERT_EQ(std::memcmp(slot + 4, bank0.data() + BANK_HEADER + 4, 8), 0) << "slot " << s;
			ASSERT_NE(std::memchr(slot + 12, 0, 64), nullptr) << "slot " << s;
			for (size_t i = 0; i < 123; ++i)
			{
				const float v = read_be_float(slot + 76 + 4 * i);
				ASSERT_TRUE(is_allowed(i, v)) << "slot " << s << " parameter " << i << " value " << v;
			}
		}
		if (iter % 50 == 49)
		{
			ASSERT_EQ(set_chunk(got, false), 1);
		}
		++nbr_checked;
	}
	stop = true;
	audio.join();
	EXPECT_EQ(nbr_checked, 400);
}

// With the host giving the tempo, a host write to "Tempo" is not what plays:
// the program keeps the tempo the engine uses.
TEST_F(HostBoundary, TempoStoredIsTheTempoHeard)
{
	render(noise(512, 1), 512);
	effect->setParameter(effect, 0, 1.0f);  // 240 BPM, while the host says 120
	const float heard = float((120.0 - 60.0) / 180.0);
	EXPECT_FLOAT_EQ(effect->getParameter(effect, 0), heard);
	const std::vector<unsigned char> prog = chunk(true);
	EXPECT_FLOAT_EQ(read_be_float(prog.data() + 76), heard);
}

// An empty text is no value: a volume does not become "-oo", a pan not "Mid".
TEST_F(HostBoundary, EmptyTextIsRefused)
{
	for (VstInt32 index : {1, 11, 12})
	{
		effect->setParameter(effect, index, 0.8f);
		char empty[] = "";
		EXPECT_EQ(dispatch(effString2Parameter, index, 0, empty), 0) << index;
		EXPECT_FLOAT_EQ(effect->getParameter(effect, index), 0.8f) << index;
	}
}
