-- wrk script of scripts/server-load.sh: one request per connection, as the game sends them, cycling
-- through the request targets in the file named after "--", at most the number given after it per
-- thread, each thread starting at a place of its own in the file.
local threads = 0

function setup(thread)
  thread:set("first", threads * 7919)
  threads = threads + 1
end

function init(args)
  targets = {}
  for line in io.lines(args[1]) do targets[#targets + 1] = line end
  limit = tonumber(args[2])
  index = first % #targets
  answered = 0
end

function request()
  index = index % #targets + 1
  return wrk.format("GET", targets[index], { ["Connection"] = "close" })
end

function response()
  answered = answered + 1
  if answered >= limit then wrk.thread:stop() end
end
