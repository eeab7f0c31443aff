// A plain static server for the built page: node serve.mjs DIR [PORT]. Files as they are,
// each with its type (.wasm as application/wasm, which streaming compilation needs), gzipped
// for browsers that take it, nothing outside DIR.
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { gzipSync } from 'node:zlib';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.json': 'application/json',
  '.sf2': 'application/octet-stream',
};
// A SoundFont is mostly samples: compressing it costs more than it saves.
const COMPRESSED = new Set(['.html', '.js', '.mjs', '.css', '.svg', '.wasm', '.webmanifest', '.json']);

export function servePage(root, port, host = '127.0.0.1') {
  const folder = resolve(root);
  const gzipped = new Map();
  const server = createServer(async (request, response) => {
    try {
      const path = decodeURIComponent(new URL(request.url ?? '/', 'http://page').pathname);
      let file = normalize(join(folder, path));
      if (file !== folder && !file.startsWith(folder + sep)) throw new Error('outside');
      if (path.endsWith('/')) file = join(file, 'index.html');
      let body = await readFile(file);
      const type = extname(file);
      const headers = { 'Content-Type': TYPES[type] ?? 'application/octet-stream', 'Cache-Control': 'no-cache' };
      if (COMPRESSED.has(type) && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
        // Compressed once for each version of the file.
        const { mtimeMs, size } = await stat(file);
        const key = `${file}:${mtimeMs}:${size}`;
        if (!gzipped.has(key)) gzipped.set(key, gzipSync(body, { level: 9 }));
        body = gzipped.get(key);
        headers['Content-Encoding'] = 'gzip';
      }
      headers['Content-Length'] = body.length;
      response.writeHead(200, headers);
      response.end(request.method === 'HEAD' ? undefined : body);
    } catch {
      response.writeHead(404, { 'Content-Type': 'text/plain' });
      response.end('Not found\n');
    }
  });
  return new Promise((ready) => server.listen(port, host, () => ready(server)));
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const [root, port = '8080'] = process.argv.slice(2);
  if (!root) {
    console.error('usage: node serve.mjs DIR [PORT]');
    process.exit(2);
  }
  const server = await servePage(root, Number(port), process.env.TAMBREL_WEB_HOST ?? '127.0.0.1');
  const { port: bound } = server.address();
  console.log(`Tambrel is served at http://localhost:${bound}/ (Ctrl+C stops it)`);
}
