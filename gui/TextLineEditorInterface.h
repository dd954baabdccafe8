// The window's one-line text entry: opened over a zone by a request,
// closed by Enter (validated), Escape or a click elsewhere (not validated);
// the requesting component then hears TextInputFinished.
#pragma once

#include <cstdint>
#include <string>

namespace ruvava
{

class MessageHandlerInterface;
class TextInputRequest;
class WindowInterface;

class TextLineEditorInterface
{
public:
	explicit TextLineEditorInterface(WindowInterface &window) noexcept : _window(window) {}
	virtual ~TextLineEditorInterface() = default;

	int32_t begin(const TextInputRequest &request);
	// Closes the entry and tells the target.
	int32_t stop();

	bool is_running() const noexcept
	{
		return _running;
	}
	void run(bool flag) noexcept
	{
		_running = flag;
	}
	bool is_validated() const noexcept
	{
		return _validated;
	}
	void validate(bool flag) noexcept
	{
		_validated = flag;
	}
	const std::string &get_text() const noexcept
	{
		return _text;
	}
	void set_text(const std::string &text)
	{
		_text = text;
	}
	MessageHandlerInterface *get_target() const noexcept
	{
		return _target_ptr;
	}
	void set_target(MessageHandlerInterface *target_ptr) noexcept
	{
		_target_ptr = target_ptr;
	}
	WindowInterface &use_window() const noexcept
	{
		return _window;
	}

protected:
	virtual int32_t do_begin(const TextInputRequest &request) = 0;
	virtual int32_t do_stop() = 0;

private:
	WindowInterface &_window;
	bool _running = false;
	bool _validated = false;
	std::string _text;
	MessageHandlerInterface *_target_ptr = nullptr;
};

}  // namespace ruvava
