// The plug-in through the VST 2 record: what it tells the host, its texts,
// parameters, programs, chunks, routing and tempo.
#include "support/VstTestHost.h"

using namespace testsupport;

TEST_F(VstHost, RecordDescribesThePlugin)
{
	EXPECT_EQ(effect->magic, kEffectMagic);
	EXPECT_EQ(effect->numParams, 123);
	EXPECT_EQ(effect->numPrograms, 96);
	EXPECT_EQ(effect->numInputs, 2);
	EXPECT_EQ(effect->numOutputs, 2);
	EXPECT_EQ(effect->uniqueID, ('K' << 24) | ('T' << 16) | ('v' << 8) | 'l');
	EXPECT_TRUE(effect->flags & effFlagsCanReplacing);
	EXPECT_TRUE(effect->flags & effFlagsProgramChunks);
	EXPECT_FALSE(effect->flags & effFlagsIsSynth);
	EXPECT_TRUE(effect->flags & effFlagsHasEditor);
	EXPECT_NE(effect->processReplacing, nullptr);
	EXPECT_NE(effect->process, nullptr);
}

TEST(VstHostEntry, NoHostVersionNoEffect)
{
	void *lib_ptr = dlopen(TARVELLE_SO, RTLD_NOW | RTLD_LOCAL);
	ASSERT_NE(lib_ptr, nullptr);
	auto entry = reinterpret_cast<EntryProc>(dlsym(lib_ptr, "main_plugin"));
	ASSERT_NE(entry, nullptr);
	host = HostState();
	host.version = 0;
	EXPECT_EQ(entry(&host_callback), nullptr);
	EXPECT_EQ(entry(nullptr), nullptr);
	dlclose(lib_ptr);
}

TEST_F(VstHost, StringsVersionsAndCapabilities)
{
	EXPECT_EQ(text(effGetEffectName, 0, 32), "Tarvelle");
	EXPECT_EQ(text(effGetVendorString, 0, 64), "Kestrom");
	EXPECT_EQ(text(effGetProductString, 0, 64), "Kestrom Tarvelle 1.00");
	EXPECT_EQ(dispatch(effGetVendorVersion), 256);
	EXPECT_EQ(dispatch(effGetVstVersion), 2200);
	EXPECT_EQ(dispatch(effGetPlugCategory), kPlugCategEffect);
	EXPECT_EQ(dispatch(effIdentify), ('N' << 24) | ('v' << 16) | ('E' << 8) | 'f');
	EXPECT_EQ(dispatch(effGetTailSize), 0);
	EXPECT_EQ(dispatch(effKeysRequired), 0);
	EXPECT_EQ(dispatch(effGetNumProgramCategories), 1);
	EXPECT_EQ(dispatch(effConnectInput, 0, 1), 1);
	EXPECT_EQ(dispatch(effConnectOutput, 1, 1), 1);
	EXPECT_EQ(dispatch(effSetBlockSizeAndSampleRate, 0, 256, nullptr, 48000), 1);
	ERect *rect = nullptr;
	EXPECT_EQ(dispatch(effEditGetRect, 0, 0, &rect), 1);
	EXPECT_EQ(dispatch(effEditOpen), 0) << "no parent window, no editor";
	EXPECT_EQ(dispatch(effEditIdle), 0);
	EXPECT_EQ(dispatch(effEditClose), 0);
	EXPECT_EQ(dispatch(effGetVu), 0);
	char cap1[] = "receiveVstTimeInfo", cap2[] = "sendVstEvents", cap3[] = "ReceiveVstTimeInfo", cap4[] = "bypass";
	EXPECT_EQ(dispatch(effCanDo, 0, 0, cap1), 1);
	EXPECT_EQ(dispatch(effCanDo, 0, 0, cap2), -1);
	EXPECT_EQ(dispatch(effCanDo, 0, 0, cap3), 0);
	EXPECT_EQ(dispatch(effCanDo, 0, 0, cap4), 0);
	VstEvents events{};
	EXPECT_EQ(dispatch(effProcessEvents, 0, 0, &events), 1);
	EXPECT_EQ(dispatch(9999), 0);
}

TEST_F(VstHost, PinAndParameterProperties)
{
	VstPinProperties pin;
	ASSERT_EQ(dispatch(effGetInputProperties, 0, 0, &pin), 1);
	EXPECT_STREQ(pin.label, "Left input");
	EXPECT_EQ(pin.flags, kVstPinIsActive | kVstPinIsStereo);
	ASSERT_EQ(dispatch(effGetOutputProperties, 1, 0, &pin), 1);
	EXPECT_STREQ(pin.label, "Right output");
	std::memset(&pin, 0x33, sizeof(pin));
	EXPECT_EQ(dispatch(effGetInputProperties, 2, 0, &pin), 0);
	EXPECT_EQ(pin.flags, 0x33333333);  // untouched

	VstParameterProperties pp;
	ASSERT_EQ(dispatch(effGetParameterProperties, 17, 0, &pp), 1);  // V 1 Osc Hold: a switch
	EXPECT_EQ(pp.flags, kVstParameterIsSwitch);
	EXPECT_STREQ(pp.label, "V 1 Osc Hold");
	EXPECT_STREQ(pp.shortLabel, "V 1 Osc");
	ASSERT_EQ(dispatch(effGetParameterProperties, 16, 0, &pp), 1);  // V 1 Depth: 0..2
	EXPECT_EQ(pp.flags, kVstParameterUsesIntegerMinMax);
	EXPECT_EQ(pp.minInteger, 0);
	EXPECT_EQ(pp.maxInteger, 2);
	ASSERT_EQ(dispatch(effGetParameterProperties, 3, 0, &pp), 1);  // Tone X: continuous
	EXPECT_EQ(pp.flags, kVstParameterCanRamp);
	EXPECT_EQ(dispatch(effGetParameterProperties, 123, 0, &pp), 0);
}

TEST_F(VstHost, ParameterTextsOfEachKindWithinTheirBounds)
{
	const std::pair<int, const char *> names[] = {{0, "Tempo"}, {11, "V 1 Gain"}, {122, "V 4 BPF Q"},
	                                             {36, "V 1 BPF Freq LFO WF"}};
	for (const auto &e : names)
	{
		EXPECT_EQ(text(effGetParamName, e.first, 23), e.second);
	}
	EXPECT_EQ(text(effGetParamName, 37, 23), "V 1 BPF Freq LFO depth");  // 22 characters: just fits
	for (int i = 0; i < 123; ++i)
	{
		EXPECT_LE(text(effGetParamName, i, 23).size(), 22u);
		EXPECT_LE(text(effGetParamDisplay, i, 23).size(), 22u);
	}
	EXPECT_EQ(text(effGetParamDisplay, 11, 23), "-6.0");
	EXPECT_EQ(text(effGetParamLabel, 11, 23), "dB");
	EXPECT_EQ(text(effGetParamDisplay, 12, 23), "Mid");
	// The first factory program sets these two; put them back to their defaults.
	effect->setParameter(effect, 16, 0.0f);
	effect->setParameter(effect, 18, float((std::log2(1.6) + 8) / 16));
	EXPECT_EQ(text(effGetParamDisplay, 16, 23), "Dirty Bird");
	EXPECT_EQ(text(effGetParamDisplay, 18, 23), "1 3/5");
	EXPECT_EQ(text(effGetParamLabel, 18, 23), "beat");
	EXPECT_EQ(text(effGetParamDisplay, 34, 23), "640.0");
	EXPECT_EQ(text(effGetParamDisplay, 38, 23), "Off");
	EXPECT_EQ(text(effGetParamDisplay, 5, 23), "Sine");
	EXPECT_EQ(text(effGetParamDisplay, 6, 23), "0.00");
	EXPECT_EQ(text(effGetParamDisplay, 0, 23), "120.000");
	EXPECT_EQ(text(effGetParamName, 123, 23), "");  // out of range: untouched

	char db[] = "-12";
	EXPECT_EQ(dispatch(effString2Parameter, 11, 0, db), 1);
	EXPECT_EQ(text(effGetParamDisplay, 11, 23), "-12.0");
	char bad[] = "loud";
	const float before = effect->getParameter(effect, 11);
	EXPECT_EQ(dispatch(effString2Parameter, 11, 0, bad), 0);
	EXPECT_EQ(effect->getParameter(effect, 11), before);
	EXPECT_EQ(dispatch(effString2Parameter, 11, 0, nullptr), 1);
	EXPECT_EQ(dispatch(effCanBeAutomated, 11), 1);
	EXPECT_EQ(dispatch(effCanBeAutomated, 500), 1);
}

TEST_F(VstHost, ParametersAndProgramsThroughTheRecord)
{
	effect->setParameter(effect, 3, 0.75f);
	EXPECT_FLOAT_EQ(effect->getParameter(effect, 3), 0.75f);
	EXPECT_EQ(text(effGetParamDisplay, 3, 23), "+50.0");
	effect->setParameter(effect, 123, 0.5f);  // ignored
	EXPECT_EQ(effect->getParameter(effect, 123), 0.0f);
	effect->setParameter(effect, 3, std::nanf(""));  // refused
	EXPECT_FLOAT_EQ(effect->getParameter(effect, 3), 0.75f);
	EXPECT_TRUE(host.automation.empty());  // host writes are not echoed

	EXPECT_EQ(text(effGetProgramName, 0, 24), "Slow, No Feedback, T1");
	EXPECT_EQ(text(effGetProgramNameIndexed, 95, 64), "voice ghoster 8");
	EXPECT_EQ(text(effGetProgramNameIndexed, 48, 64), "rythm shifter 1");
	EXPECT_EQ(dispatch(effGetProgramNameIndexed, 96, 0, nullptr), 0);
	dispatch(effSetProgram, 0, 7);
	EXPECT_EQ(dispatch(effGetProgram), 7);
	EXPECT_EQ(text(effGetProgramName, 0, 24), "Fast, Feedback, T3");
	dispatch(effSetProgram, 0, 96);  // out of range: ignored
	EXPECT_EQ(dispatch(effGetProgram), 7);
	EXPECT_TRUE(host.automation.empty());  // a host program change is not reported back
	// The program's hold is released: the host writes at once.
	effect->setParameter(effect, 3, 0.25f);
	EXPECT_FLOAT_EQ(effect->getParameter(effect, 3), 0.25f);

	char name[] = "A new name that is far too long for a program";
	dispatch(effSetProgramName, 0, 0, name);
	EXPECT_EQ(text(effGetProgramName, 0, 24), "A new name that is far");  // 22 characters
	EXPECT_EQ(dispatch(effCopyProgram, 3), 1);
	EXPECT_EQ(text(effGetProgramNameIndexed, 3, 64), "A new name that is far ");  // stored with 23
	EXPECT_EQ(dispatch(effCopyProgram, 96), 0);
}

TEST_F(VstHost, ChunksRoundTripBitExact)
{
	effect->setParameter(effect, 40, 0.3f);
	const std::vector<unsigned char> prog = chunk(true);
	ASSERT_EQ(prog.size(), 584u);
	const std::vector<unsigned char> bank = chunk(false);
	ASSERT_EQ(bank.size(), 8u + 584u * 96u);
	EXPECT_EQ(std::vector<unsigned char>(bank.begin(), bank.begin() + 8),
	          (std::vector<unsigned char>{0, 0, 0, 96, 0, 0, 0x02, 0x48}));

	// A bank chunk with another program's value, restored and read back.
	std::vector<unsigned char> changed = bank;
	changed[8 + 12 + 64 + 4 * 40] ^= 0x10;
	ASSERT_EQ(dispatch(effSetChunk, 0, VstIntPtr(changed.size()), changed.data()), 1);
	EXPECT_EQ(chunk(false), changed);

	// Damaged chunks of every kind: HostBoundary.ChunksTakenAlwaysComeBackOut and the chunk fuzz target.
	std::vector<unsigned char> bad = chunk(false);
	bad[3] = 95;  // announces 95 programs in a 96-program size
	EXPECT_EQ(dispatch(effSetChunk, 0, VstIntPtr(bad.size()), bad.data()), 0);
	EXPECT_EQ(dispatch(effSetChunk, 1, 583, const_cast<unsigned char *>(prog.data())), 0);

	// A program chunk replaces the current program's stored values, and the
	// engine plays them at once.
	std::vector<unsigned char> p2 = prog;
	std::memset(p2.data() + 12, 0, 64);
	std::memcpy(p2.data() + 12, "Restored", 9);
	const unsigned char half_be[4] = {0x3F, 0x00, 0x00, 0x00};  // 0.5f, most significant byte first
	std::memcpy(p2.data() + 12 + 64 + 4 * 40, half_be, 4);
	ASSERT_EQ(dispatch(effSetChunk, 1, VstIntPtr(p2.size()), p2.data()), 1);
	EXPECT_EQ(text(effGetProgramName, 0, 24), "Restored");
	EXPECT_EQ(effect->getParameter(effect, 40), 0.5f);
	EXPECT_EQ(chunk(true), p2);
}

// A host saves its session as the bank chunk and restores it into a new
// instance: the program that was playing, with its edited values, comes back.
TEST_F(VstHost, BankChunkRestoresThePlayingProgramInANewInstance)
{
	dispatch(effSetProgram, 0, 7);
	effect->setParameter(effect, 11, 0.8f);
	const std::vector<unsigned char> saved = chunk(false);
	AEffect *fresh = entry(&host_callback);
	ASSERT_NE(fresh, nullptr);
	ASSERT_EQ(fresh->dispatcher(fresh, effSetChunk, 0, VstIntPtr(saved.size()), const_cast<unsigned char *>(saved.data()), 0), 1);
	EXPECT_EQ(fresh->dispatcher(fresh, effGetProgram, 0, 0, nullptr, 0), 7);
	EXPECT_FLOAT_EQ(fresh->getParameter(fresh, 11), 0.8f);
	void *data = nullptr;
	const VstIntPtr size = fresh->dispatcher(fresh, effGetChunk, 0, 0, &data, 0);
	ASSERT_EQ(size, VstIntPtr(saved.size()));
	EXPECT_EQ(std::memcmp(data, saved.data(), saved.size()), 0);
	EXPECT_EQ(fresh->dispatcher(fresh, effClose, 0, 0, nullptr, 0), 1);
}

TEST_F(VstHost, OneConnectedOutputGetsEverythingAndTheOtherIsLeftAlone)
{
	host.stereo_out = false;
	const std::vector<float> in = noise(2048, 4);
	std::vector<float> l(in.size()), r(in.size(), 7.0f);
	float *ins[2] = {const_cast<float *>(in.data()), const_cast<float *>(in.data())};
	float *outs[2] = {l.data(), r.data()};
	effect->processReplacing(effect, ins, outs, VstInt32(in.size()));
	for (size_t i = 0; i < in.size(); ++i)
	{
		ASSERT_EQ(r[i], 7.0f) << i;
		ASSERT_TRUE(std::isfinite(l[i]));
	}
	double energy = 0;
	for (float v : l)
	{
		energy += double(v) * v;
	}
	EXPECT_GT(energy, 1.0);
}

// At every rate the output does not depend on how the host cuts the audio
// into blocks (each instance fresh, so that all start alike), and the dry
// path carries the input through.
TEST_F(VstHost, ProcessesAtEveryRateAndBlockSize)
{
	const std::vector<float> in = noise(8192, 1);
	for (float fs : {44100.0f, 48000.0f, 96000.0f, 192000.0f})
	{
		std::vector<float> ref;
		for (long block : {8192L, 1L, 64L, 500L, 4096L})
		{
			dispatch(effClose);
			effect = entry(&host_callback);
			ASSERT_NE(effect, nullptr);
			dispatch(effSetSampleRate, 0, 0, nullptr, fs);
			dispatch(effMainsChanged, 0, 1);
			const std::vector<float> out = render(in, block);
			if (ref.empty())
			{
				ref = out;
				double in_energy = 0, out_energy = 0;
				for (size_t i = 0; i < in.size(); ++i)
				{
					in_energy += 2 * double(in[i]) * in[i];
					out_energy += double(out[i]) * out[i] + double(out[i + in.size()]) * out[i + in.size()];
				}
				// The first program: the dry signal at 0 dB with one voice at -6 dB.
				EXPECT_GT(out_energy, 0.25 * in_energy) << fs;
				EXPECT_LT(out_energy, 4.0 * in_energy) << fs;
				continue;
			}
			for (size_t i = 0; i < out.size(); ++i)
			{
				ASSERT_NEAR(out[i], ref[i], 5e-5) << fs << " Hz, block " << block << ", sample " << i;
			}
		}
	}
}

TEST_F(VstHost, HostTempoDrivesTheModulationAndIsAskedForOnlyAsTempo)
{
	// Voice 1 alone, dry off, shifting by one turn per 1/16 beat: 32 Hz at 120 BPM.
	effect->setParameter(effect, 2, 0.0f);
	effect->setParameter(effect, 18, float((std::log2(1.0 / 16) + 8) / 16));
	const std::vector<float> in(48000, 0.25f);  // a constant: the output is the oscillator itself
	std::vector<float> out = render(in, 512, true);
	auto crossings = [](const std::vector<float> &x, size_t from) {
		int n = 0;
		for (size_t i = from + 1; i < x.size(); ++i)
		{
			n += (x[i - 1] < 0) != (x[i] < 0);
		}
		return n;
	};
	const int at_120 = crossings(out, 24000);
	host.time.tempo = 60;  // half the tempo: half the rate
	out = render(in, 512, true);
	const int at_60 = crossings(out, 24000);
	EXPECT_NEAR(at_120, 32, 2);  // 0.5 s at 32 Hz: 16 periods, two crossings each
	EXPECT_NEAR(at_60, 16, 2);
	EXPECT_GT(get_time_calls.load(), 0);
	EXPECT_EQ(text(effGetParamDisplay, 0, 23), "60.000");
}
