// Makes the page work offline: every file of the page is kept in the browser's cache at
// install, and answered from there, the network only for what the cache lacks. A new build
// has a new cache name, and the old cache goes when it takes over.
/// <reference lib="webworker" />
declare const PAGE_FILES: string[];
declare const PAGE_VERSION: string;

const worker = self as unknown as ServiceWorkerGlobalScope;
const CACHE = `tambrel-${PAGE_VERSION}`;

worker.addEventListener('install', (event) => {
  event.waitUntil(
    caches
      .open(CACHE)
      .then((cache) => cache.addAll(PAGE_FILES))
      .then(() => worker.skipWaiting()),
  );
});

worker.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
      .then(() => worker.clients.claim()),
  );
});

worker.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(
    caches.open(CACHE).then(async (cache) => {
      const kept = await cache.match(event.request, { ignoreSearch: true });
      return kept ?? fetch(event.request);
    }),
  );
});
