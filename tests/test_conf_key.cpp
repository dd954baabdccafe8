// The configuration key tree: the writer's quoting, the reader's key kinds
// and error codes, and round trips of every kind of key.
#include "config/ConfKeyContentMulti.h"
#include "config/ConfKeyContentString.h"
#include "config/ConfKeyData.h"
#include "config/ConfKeyFactory.h"
#include "config/ConfKeyMulti.h"

#include <gtest/gtest.h>

using namespace basic;

namespace
{

std::string text_of(const ConfKeyInterface &key)
{
	std::string txt;
	key.write_to_string(txt);
	return txt;
}

// The reader's result and its error code together.
struct Read
{
	std::unique_ptr<ConfKeyInterface> root;
	long err;
};

Read read(const std::string &text)
{
	Read r;
	r.root = ConfKeyFactory::get_instance().create_key(text);
	r.err = ConfKeyFactory::get_instance().get_last_error();
	return r;
}

std::string str_of(const ConfKeyContentInterface &c)
{
	const auto *s = dynamic_cast<const ConfKeyContentString *>(&c);
	return s != nullptr ? s->get_text() : "<not a string>";
}

}  // namespace

TEST(ConfKeyWriter, ListsAndTheTextsThatNeedQuotes)
{
	ConfKeyContentMulti inner;
	inner.push_back(ConfKeyContentString("b"));
	inner.push_back(ConfKeyContentString("c d"));
	ConfKeyContentMulti list;
	list.push_back(ConfKeyContentString("a"));
	list.push_back(inner);
	EXPECT_EQ(text_of(ConfKeyData("k", list)), "k = { a { b \"c d\" } }");
	EXPECT_EQ(text_of(ConfKeyData("k", ConfKeyContentMulti())), "k = { }");
	EXPECT_EQ(text_of(ConfKeyData("k", "x,y")), "k = \"x,y\"");
	EXPECT_EQ(text_of(ConfKeyData("k", "tab\there")), "k = \"tab\there\"");
	EXPECT_EQ(text_of(ConfKeyData("my key", "v")), "\"my key\" = v");
	// Texts the reader would take as syntax, a comment or nothing get quotes.
	EXPECT_EQ(text_of(ConfKeyData("k", "=")), "k = \"=\"");
	EXPECT_EQ(text_of(ConfKeyData("k", "a{b}")), "k = \"a{b}\"");
	EXPECT_EQ(text_of(ConfKeyData("k", "http://x")), "k = \"http://x\"");
	EXPECT_EQ(text_of(ConfKeyData("k", "")), "k = \"\"");
	// No escapes exist: a double quote or a line break cannot be kept, and
	// writing them as they are would make the whole file unreadable.
	EXPECT_EQ(text_of(ConfKeyData("k", "say \"hi\"")), "k = \"say 'hi'\"");
	EXPECT_EQ(text_of(ConfKeyData("k", "two\nlines")), "k = \"two lines\"");
}

// Path separators in a name would make the key unreachable by its path.
TEST(ConfKeyTree, NamesAreCheckedAndMangled)
{
	EXPECT_THROW(ConfKeyData("a/b", "v"), basic::Exception);
	ConfKeyMulti m("ok");
	EXPECT_THROW(m.set_name("a\\b"), basic::Exception);
	EXPECT_EQ(ConfKeyInterface::mangle_name("Tarvelle 1.0-beta"), "Tarvelle_1_0_beta");
}

TEST(ConfKeyTree, AddUniqueReplacesTheFirstOfThatNameAndCopiesAreDeep)
{
	ConfKeyMulti root("root");
	root.push_back(ConfKeyData("dup", "1"));
	root.push_back(ConfKeyData("dup", "1"));
	root.add_unique(ConfKeyData("dup", "2"));
	root.add_unique(ConfKeyData("new", "3"));
	EXPECT_EQ(text_of(root), "root =\n{\n   dup = 2\n   dup = 1\n   new = 3\n}");

	ConfKeyMulti inner("inner");
	inner.push_back(ConfKeyData("k", "v"));
	root.push_back(inner);
	const std::string before = text_of(root);
	std::unique_ptr<ConfKeyInterface> clone = root.clone();
	ConfKeyMulti copy(root);
	dynamic_cast<ConfKeyMulti &>(copy.use_key("inner")).add_unique(ConfKeyData("k", "changed"));
	dynamic_cast<ConfKeyMulti &>(root.use_key("inner")).add_unique(ConfKeyData("k", "also"));
	EXPECT_EQ(text_of(*clone), before);
	EXPECT_EQ(copy.get_key_str("inner/k"), "changed");
	EXPECT_EQ(root.get_key_str("inner/k"), "also");
}

TEST(ConfKeyReader, RoundTripsOfEveryKind)
{
	ConfKeyMulti root("Tarvelle_config_section");
	root.push_back(ConfKeyData("version", "1.00"));
	ConfKeyMulti midi("midi");
	ConfKeyMulti port("port_in");
	port.push_back(ConfKeyData("name", "VST MIDI In interface"));
	midi.push_back(port);
	ConfKeyContentMulti list;
	list.push_back(ConfKeyContentString("a, b"));
	ConfKeyContentMulti nested;
	nested.push_back(ConfKeyContentString(""));
	nested.push_back(ConfKeyContentString("="));
	list.push_back(nested);
	list.push_back(ConfKeyContentMulti());
	midi.push_back(ConfKeyData("lists", list));
	midi.push_back(ConfKeyData("empty", ""));
	midi.push_back(ConfKeyData("{odd name}", "v"));
	root.push_back(midi);
	root.push_back(ConfKeyData("dup", "1"));
	root.push_back(ConfKeyData("dup", "2"));  // kept twice, in order

	const std::string text = text_of(root);
	const Read r = read(text);
	ASSERT_EQ(r.err, 0);
	ASSERT_NE(r.root, nullptr);
	const auto &back = dynamic_cast<const ConfKeyMulti &>(*r.root);
	EXPECT_EQ(back.get_key_str("version"), "1.00");
	EXPECT_EQ(back.get_key_str("midi/port_in/name"), "VST MIDI In interface");
	EXPECT_EQ(back.get_key_str("midi/empty"), "");
	EXPECT_TRUE(back.is_key_existing("midi/empty"));
	EXPECT_EQ(back.get_key_str("midi/{odd name}"), "v");
	const auto &lists = dynamic_cast<const ConfKeyContentMulti &>(
	   dynamic_cast<const ConfKeyData &>(back.use_key("midi/lists")).use_content());
	ASSERT_EQ(lists.get_nbr_contents(), 3);
	EXPECT_EQ(str_of(lists[0]), "a, b");
	const auto &inner = dynamic_cast<const ConfKeyContentMulti &>(lists[1]);
	EXPECT_EQ(str_of(inner[0]), "");
	EXPECT_EQ(str_of(inner[1]), "=");
	EXPECT_EQ(dynamic_cast<const ConfKeyContentMulti &>(lists[2]).get_nbr_contents(), 0);
	EXPECT_EQ(back.find_index("dup", back.find_index("dup") + 1), 3);
	EXPECT_EQ(text_of(*r.root), text);
}

TEST(ConfKeyReader, KeyKindsFromTheirLexemes)
{
	Read list = read("k = { a b }");
	ASSERT_EQ(list.err, 0);
	const auto *data = dynamic_cast<const ConfKeyData *>(list.root.get());
	ASSERT_NE(data, nullptr);
	EXPECT_EQ(dynamic_cast<const ConfKeyContentMulti &>(data->use_content()).get_nbr_contents(), 2);

	Read multi = read("k={a=b}");  // no blanks needed around the syntax
	ASSERT_EQ(multi.err, 0);
	ASSERT_NE(dynamic_cast<const ConfKeyMulti *>(multi.root.get()), nullptr);
	EXPECT_EQ(dynamic_cast<const ConfKeyMulti &>(*multi.root).get_key_str("a"), "b");

	Read crlf = read("k =\r\n{\r\n   a = b // note\r\n}\r\n");
	EXPECT_EQ(crlf.err, 0);
	EXPECT_EQ(dynamic_cast<const ConfKeyMulti &>(*crlf.root).get_key_str("a"), "b");

	// Quotes split a word, keep blanks, and make syntax characters plain text.
	Read glued = read("k = { a\"b c\"d \"=\" }");
	ASSERT_EQ(glued.err, 0);
	const auto &items =
	   dynamic_cast<const ConfKeyContentMulti &>(dynamic_cast<const ConfKeyData &>(*glued.root).use_content());
	ASSERT_EQ(items.get_nbr_contents(), 4);
	EXPECT_EQ(str_of(items[0]), "a");
	EXPECT_EQ(str_of(items[1]), "b c");
	EXPECT_EQ(str_of(items[2]), "d");
	EXPECT_EQ(str_of(items[3]), "=");

	EXPECT_EQ(read("").root, nullptr);  // no key: null and no error
	EXPECT_EQ(read("").err, 0);
	EXPECT_EQ(read("just words").root, nullptr);
}

// Each code with a text that provokes it. -1016, -1017 and -1018 cannot be
// reached from any text: the lexer balances the braces and a key is only
// identified with the lexemes those checks ask for (the fuzz target asserts
// that they never appear).
TEST(ConfKeyReader, EveryErrorCode)
{
	const Read left = read("a = b c");
	EXPECT_EQ(left.err, ConfKeyFactory::Err_LEXEMES_LEFT);
	ASSERT_NE(left.root, nullptr);  // what was read comes back
	EXPECT_EQ(str_of(dynamic_cast<const ConfKeyData &>(*left.root).use_content()), "b");

	EXPECT_EQ(read("m = { a = b c }").err, ConfKeyFactory::Err_SUBKEY_MALFORMED);
	EXPECT_EQ(read("m = { a = b = c d }").err, ConfKeyFactory::Err_SUBKEY_MALFORMED);
	const Read partial = read("m = { a = b c = d e }");
	EXPECT_EQ(partial.err, ConfKeyFactory::Err_SUBKEY_MALFORMED);
	EXPECT_EQ(dynamic_cast<const ConfKeyMulti &>(*partial.root).get_key_str("c"), "d");
	EXPECT_EQ(read("a = =").err, ConfKeyFactory::Err_UNKNOWN_KIND);
	EXPECT_EQ(read("a = { x = }").err, ConfKeyFactory::Err_SUBKEY_MALFORMED);

	for (const char *lexical : {"a = \"open\nquote\"", "a = b }", "a = { b", "m = { a = { b } } }"})
	{
		const Read r = read(lexical);
		EXPECT_EQ(r.err, ConfKeyFactory::Err_LEXICAL) << lexical;
		EXPECT_EQ(r.root, nullptr) << lexical;
	}
	std::vector<ConfKeyFactory::Lexeme> lex;
	EXPECT_EQ(ConfKeyFactory::read_lexemes(lex, "a = \"x"), ConfKeyFactory::Err_QUOTE_OPEN);
	EXPECT_EQ(ConfKeyFactory::read_lexemes(lex, "}"), ConfKeyFactory::Err_DEPTH_NEGATIVE);
	EXPECT_EQ(ConfKeyFactory::read_lexemes(lex, "{"), ConfKeyFactory::Err_DEPTH_POSITIVE);
}

TEST(ConfKeyReader, NestingIsBounded)
{
	auto nested = [](int depth) {
		std::string t = "a = ";
		for (int i = 0; i < depth; ++i)
		{
			t += "{ x ";
		}
		for (int i = 0; i < depth; ++i)
		{
			t += "} ";
		}
		return t;
	};
	EXPECT_EQ(read(nested(ConfKeyFactory::MAX_NESTING)).err, 0);
	EXPECT_EQ(read(nested(ConfKeyFactory::MAX_NESTING + 1)).err, ConfKeyFactory::Err_LEXICAL);
	const Read deep = read(nested(100000));  // no stack overflow, no tree
	EXPECT_EQ(deep.err, ConfKeyFactory::Err_LEXICAL);
	EXPECT_EQ(deep.root, nullptr);
}
