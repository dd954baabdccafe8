// A failure of the render tool: one line of text and the exit status that
// tells scripts what kind of failure it was.
#pragma once

#include <stdexcept>
#include <string>

namespace rivo
{

class RenderError : public std::runtime_error
{
public:
	enum Status
	{
		Status_USAGE = 2,   // unknown option, missing argument
		Status_INPUT = 3,   // input missing, unreadable or not audio
		Status_PLUGIN = 4,  // the plug-in does not load or refuses to work
		Status_NAME = 5,    // no program or parameter of that name or index
		Status_VALUE = 6,   // a value out of its range or not a number
		Status_OUTPUT = 7,  // the output or the chunk file cannot be written
		Status_CHUNK = 8    // a chunk or bank file the plug-in does not take
	};

	RenderError(Status status, const std::string &what)
	: std::runtime_error(what)
	, _status(status)
	{
	}
	Status get_status() const noexcept
	{
		return _status;
	}

private:
	Status _status;
};

}  // namespace rivo
