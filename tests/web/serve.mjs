// SPDX-License-Identifier: MIT
// The project's own server (tools/web/serve.py) for the web test and the
// load benchmark: started on a free port of 127.0.0.1, with the line it logs
// for each answer, and a plain HTTP client that sends paths as they are.
import { spawn } from 'node:child_process';
import http from 'node:http';
import path from 'node:path';
import readline from 'node:readline';
import { fileURLToPath } from 'node:url';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');

// tools/web/serve.py serving `folder` on a free port, `options` (--plain)
// before it; `answers` holds what it logged: path, status, encoding, bytes.
export async function startServer(folder, options = []) {
  const child = spawn('/usr/bin/python3', [path.join(root, 'tools/web/serve.py'), ...options, folder, '0'],
                      { stdio: ['ignore', 'pipe', 'pipe'] });
  const server = { answers: [], log: '' };
  readline.createInterface({ input: child.stderr }).on('line', (line) => {
    const fields = /^(\S+) (\S+) (\d+) (\S+) (\d+)$/.exec(line);
    if (fields)
      server.answers.push({ path: fields[2], status: Number(fields[3]), encoding: fields[4], bytes: Number(fields[5]) });
    else
      server.log += line + '\n';
  });
  server.address = await new Promise((resolve, reject) => {
    child.stdout.once('data', (data) => resolve(/http:\/\/\S+\//.exec(String(data))[0]));
    child.once('exit', (code) => reject(new Error(`serve.py ended with ${code}: ${server.log}`)));
  });
  const ended = new Promise((resolve) => child.once('exit', resolve));
  server.stop = () => {
    child.kill();
    return ended;
  };
  // Every answer given before now, once its line has been read: the line of
  // a request made after them comes last.
  let marks = 0;
  server.settled = async () => {
    const mark = `/settled-mark-${++marks}`;
    await get(server.address, mark);
    while (!server.answers.some((answer) => answer.path === mark))
      await new Promise((resolve) => setTimeout(resolve, 20));
    return server.answers.filter((answer) => !answer.path.startsWith('/settled-mark-'));
  };
  return server;
}

// An answer of the server at `address` for `path`, sent as it is (no URL
// clean-up of dot segments).
export function get(address, path = '/', headers = {}) {
  const { hostname, port } = new URL(address);
  return new Promise((resolve, reject) => {
    http.get({ hostname, port, path, headers }, (response) => {
      const chunks = [];
      response.on('data', (chunk) => chunks.push(chunk));
      response.on('end', () => resolve({ status: response.statusCode, headers: response.headers,
                                         body: Buffer.concat(chunks) }));
    }).on('error', reject);
  });
}
