// Serves a folder over HTTP on 127.0.0.1, as a plain web server would send a site: each file
// with its type (WebAssembly as application/wasm, which streaming compilation needs), an index
// for a folder, 404 for anything else.
//
//   node serve.mjs <folder> [port]     prints the address, serves until stopped
//   import {serve} from './serve.mjs'  serve(folder) answers {url, served, close()}
//
// served lists the paths asked for so far, in order, each with the status answered.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import {fileURLToPath} from 'node:url';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.json': 'application/json',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
  '.css': 'text/css; charset=utf-8',
};

export function serve(folder, port = 0) {
  const root = path.resolve(folder);
  const served = [];
  const server = http.createServer((request, response) => {
    const wanted = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
    let file = path.join(root, path.normalize(wanted));
    response.on('finish', () => served.push({path: wanted, status: response.statusCode}));
    if (!file.startsWith(root)) {
      response.writeHead(403).end();
      return;
    }
    if (fs.existsSync(file) && fs.statSync(file).isDirectory())
      file = path.join(file, 'index.html');
    if (!fs.existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, {
      'Content-Type': types[path.extname(file)] || 'application/octet-stream',
      'Cache-Control': 'no-cache',
    });
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve, reject) => {
    server.on('error', reject);
    server.listen(port, '127.0.0.1', () => resolve({
      url: `http://127.0.0.1:${server.address().port}/`,
      served,
      close: () => new Promise((done) => server.close(done)),
    }));
  });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [folder, port] = process.argv.slice(2);
  if (!folder) {
    console.error('usage: node serve.mjs <folder> [port]');
    process.exit(2);
  }
  const site = await serve(folder, Number(port || 0));
  console.log(`Serving ${path.resolve(folder)} at ${site.url} (Ctrl+C stops)`);
}
