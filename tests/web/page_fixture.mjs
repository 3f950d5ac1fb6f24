// Where the page's tests find the builds, and the page served over HTTP as a web server
// would: the page at / and /index.html, nothing else (any other request is a 404).
import { createServer } from 'node:http';
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

export const repository = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const build = process.env.VORRITH_BUILD_DIR || path.join(repository, 'build');
export const pageFile = path.join(build, 'web/index.html');
export const output = path.join(build, 'web/test-output');  // emptied by tools/run-web-tests.sh
export const renderer = path.join(build, 'native/vorrith-render');
export const pageUrl = (hash) => `${pathToFileURL(pageFile).href}${hash}`;

// Resolves to { url(hash), close() } once listening.
export async function servePage() {
  const server = createServer((request, response) => {
    if (request.url !== '/' && request.url !== '/index.html') {
      response.statusCode = 404;
      response.end();
      return;
    }
    response.setHeader('Content-Type', 'text/html; charset=utf-8');
    response.end(readFileSync(pageFile));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    url: (hash) => `http://127.0.0.1:${server.address().port}/index.html${hash}`,
    close: () => server.close(),
  };
}
