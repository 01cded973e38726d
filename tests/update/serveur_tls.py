"""HTTPS server on 127.0.0.1 for the download tests.

usage: serveur_tls.py CERT KEY
Prints the port it listens on, then serves until killed:
  /velmora/MAJ_Compare.exe   the update body (200)
  /entetes                   the request's headers as the body
  /coupe                     announces 100000 bytes, sends 10, closes
  /redirige-http             302 to the same file on a plain-http twin of this
                             server, which would serve it
  /redirige-https            302 to /velmora/MAJ_Compare.exe
  /echoue/<id>/<n>           500 for the first n requests of <id>, then the body
  anything else              404
"""
import http.server
import ssl
import sys
import threading

CORPS = b"MAJ" + bytes(range(256)) * 64
compteurs = {}


class Gestionnaire(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    timeout = 5

    def log_message(self, *args):
        pass

    def envoyer(self, statut, corps, entetes=()):
        self.send_response(statut)
        self.send_header("Content-Length", str(len(corps)))
        for nom, valeur in entetes:
            self.send_header(nom, valeur)
        self.end_headers()
        self.wfile.write(corps)

    def do_GET(self):
        chemin = self.path
        if chemin == "/velmora/MAJ_Compare.exe":
            self.envoyer(200, CORPS)
        elif chemin == "/entetes":
            self.envoyer(200, str(self.headers).encode())
        elif chemin == "/coupe":
            self.send_response(200)
            self.send_header("Content-Length", "100000")
            self.end_headers()
            self.wfile.write(CORPS[:10])
            self.wfile.flush()
            self.close_connection = True
        elif chemin == "/redirige-http":
            port = serveur_clair.server_address[1]
            self.envoyer(302, b"", [("Location", "http://127.0.0.1:%d/velmora/MAJ_Compare.exe" % port)])
        elif chemin == "/redirige-https":
            self.envoyer(302, b"", [("Location", "/velmora/MAJ_Compare.exe")])
        elif chemin.startswith("/echoue/"):
            _, _, ident, nombre = chemin.split("/")
            compteurs[ident] = compteurs.get(ident, 0) + 1
            if compteurs[ident] <= int(nombre):
                self.envoyer(500, b"erreur")
            else:
                self.envoyer(200, CORPS)
        else:
            self.envoyer(404, b"absent")


serveur_clair = None


def main():
    global serveur_clair
    serveur_clair = http.server.HTTPServer(("127.0.0.1", 0), Gestionnaire)
    threading.Thread(target=serveur_clair.serve_forever, daemon=True).start()
    contexte = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    contexte.load_cert_chain(sys.argv[1], sys.argv[2])
    serveur = http.server.HTTPServer(("127.0.0.1", 0), Gestionnaire)
    serveur.socket = contexte.wrap_socket(serveur.socket, server_side=True)
    print(serveur.server_address[1], flush=True)
    serveur.serve_forever()


if __name__ == "__main__":
    main()
