// Writes the plug-in's two bank resources: tarvelle-make-banks STATIC_PBK DEFAULT_PBK.
// Every program holds the engine's default state under its factory name; the
// sound design of each program comes with the factory program texts.
#include "engine/TarvelleDsp.h"
#include "params/KtpbFileOp.h"

#include <cstdio>

namespace
{

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

const char *const DEFAULT_NAMES[] = {"Slow, No Feedback, T1", "Fast, Feedback, T3",      "Circular Celluloid Fast",
                                     "Lover Swap",            "Random Periods Revisited", "Glorg",
                                     "Third rythm",           "Rhumathisme"};

static_assert(sizeof(STATIC_NAMES) / sizeof(STATIC_NAMES[0]) == 96, "96 factory programs");
static_assert(sizeof(DEFAULT_NAMES) / sizeof(DEFAULT_NAMES[0]) == 8, "8 preset memories");

template <size_t N>
int write_bank(const char *path_0, const rivo::ProgramSlot &proto, const char *const (&names)[N])
{
	rivo::BankManager bank{static_cast<int>(N)};
	for (size_t i = 0; i < N; ++i)
	{
		rivo::ProgramSlot slot(proto);
		slot.set_name(names[i]);
		bank.store(int(i), slot);
	}
	const int ret = rivo::KtpbFileOp::save_bank(path_0, bank);
	if (ret != 0)
	{
		std::fprintf(stderr, "tarvelle-make-banks: %s: %s (code %d)\n", path_0, rivo::KtpbFileOp::get_err_txt(ret),
		             ret);
	}
	return ret;
}

}  // namespace

int main(int argc, char **argv)
{
	if (argc != 3)
	{
		std::fprintf(stderr, "usage: tarvelle-make-banks STATIC_PBK DEFAULT_PBK\n");
		return 2;
	}
	TarvelleDsp dsp;
	dsp.init();
	dsp.set_sample_freq(48000);
	dsp.set_default_state();
	rivo::ProgramSlot proto;
	dsp.do_get_program(proto);
	return (write_bank(argv[1], proto, STATIC_NAMES) == 0 && write_bank(argv[2], proto, DEFAULT_NAMES) == 0) ? 0 : 1;
}
